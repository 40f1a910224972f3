#pragma once

#include <QString>
#include <vector>

#include "core/model/character_grid.h"
#include "core/model/transforms.h"
#include "editor_layout.h"
#include "field_actions.h"
#include "platform/form.h"
#include "set_link.h"

class QPushButton;
class QRadioButton;
class QUndoGroup;
class QUndoStack;

namespace zrl {

class CellField;
class CellInput;
class ColourButton;
class Forms;
class Label;
class Notice;
class Picture;
class TextBox;

// The editor: a field of colour buttons, 5x7 or of another size, the listing of the
// pattern after every change, the Row/Col order, Clear, Negative, copy and Help. Every change of
// the field is a step in its history; a drag across the cells draws, and the cells' context menu
// and the window's shortcuts undo, redo, shift, mirror and flip.
class FrmMain : public Form {
    Q_OBJECT

public:
    explicit FrmMain(Forms& forms);
    ~FrmMain() override;

    // The controls, by the names the handlers use; tests drive them as a user would.
    QRadioButton* OptRow;
    QRadioButton* OptCol;
    std::vector<ColourButton*> Cmd;  // row by row from the top left
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
    // Shows these colours in the field, at their size, and lists them; how the history's
    // steps apply.
    void ShowGrid(const CharacterGrid& grid);
    // The field at another size, as one step: the cells that still fit keep their colours.
    // While a character of a set is current, the field keeps the set's size.
    void ChangeFieldSize(CellSize size);
    const CellField& Field() const { return *field_; }
    // Leaves this much of the screen's width to a window beside the editor (the set window;
    // 0: none): the field's cells draw closer where the editor would not fit beside it.
    void LeaveRoomBeside(int width);

    // The active history: the field's own, the open set's, or the current character's.
    QUndoStack* History() const;
    QUndoGroup* HistoryGroup() const { return histories_; }
    // From now on the field's changes are steps of this history; none: the free history.
    void UseHistory(QUndoStack* history);
    // The history of the field's changes while no character is current: an open set's own,
    // which its steps share, or none for the field's own. Made active where it is in use.
    void UseFreeHistory(QUndoStack* history);
    // Every change of the field goes through here, as one step of the active history.
    void Edit(const CharacterGrid& after, const QString& text, int stroke = 0);
    bool IsListingByRow() const;
    const FieldActions& Actions() const { return actions_; }
    // Says beside the field why a paste did not take.
    const Notice* PasteNotice() const { return notice_; }

signals:
    // The field shows these colours: after every edit, undo and redo.
    void GridShown(const CharacterGrid& grid);

protected:
    void Load() override;
    bool QueryUnload() override;

private:
    void CreateControls();
    void CreateCredits();
    void ConnectSizeActions();
    void UpdateFieldActions();
    void SetTabOrder();
    void PlaceCanvas();
    void ConnectHandlers();
    void ConnectActions();
    void ConnectSetActions();

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

    void ToggleCell(int index);
    void ApplyTransform(Transform transform);
    void PasteIntoField();
    void FillRegion();
    // Clears the clipboard and puts the text on it, as copy does.
    void CopyToClipboard(const QString& text);

    Forms& forms_;
    CharacterGrid grid_;
    QUndoGroup* histories_;
    QUndoStack* history_;
    QUndoStack* freeHistory_;
    bool bound_ = false;  // a character of a set is current
    FieldActions actions_;
    Notice* notice_;
    CellField* field_;
    EditorLayout layout_;
    SetLink set_;

    // The cells' keys, strokes and menu edit the field as the window's own handlers do.
    friend class CellInput;
};

}  // namespace zrl
