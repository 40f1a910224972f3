#pragma once

#include <QString>
#include <array>

#include "core/character_grid.h"
#include "platform/form.h"

class QRadioButton;
class QPushButton;

namespace zrl {

class ColourButton;
class Forms;
class Label;
class Picture;
class TextBox;

// The editor: a 5x7 field of colour buttons, the listing of the pattern after every
// change, the Row/Col order, Clear, Negative, copy and Help.
class FrmMain : public Form {
    Q_OBJECT

public:
    explicit FrmMain(Forms& forms);

    // The controls, by the names the handlers use; tests drive them as a user would.
    QRadioButton* OptRow;
    QRadioButton* OptCol;
    std::array<ColourButton*, kCellCount> Cmd;
    TextBox* TxtOutput;
    QPushButton* CmdClear;
    QPushButton* CmdNeg;
    QPushButton* Command1;
    QPushButton* CmdHelp;
    Picture* Picture1;
    Label* Name;
    Label* WebSite;
    Label* Email;
    Label* Mobile;

    const CharacterGrid& Grid() const { return grid_; }

protected:
    void Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateCells();
    void CreateCredits();
    void SetTabOrder();
    void ConnectHandlers();

    void Cmd_Click(int index);
    void CmdClear_Click();
    void CmdNeg_Click();
    void OptRow_Click();
    void OptCol_Click();
    void Command1_Click();
    void CmdHelp_Click();

    void BuildRowData();
    void BuildColData();
    void BuildDataInCurrentOrder();
    void ShowCell(int index);
    void ShowAllCells();
    bool HandleCellKey(int index, int key);

    Forms& forms_;
    CharacterGrid grid_;
};

}  // namespace zrl
