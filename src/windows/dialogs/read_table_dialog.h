#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/formats/format.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zrl {

// What a table that does not say it is laid out in: layout, cell size and first code, with
// a line saying what those choices read from it.
class ReadTableDialog : public QDialog {
    Q_OBJECT

public:
    ReadTableDialog(std::string text, CellSize size, QWidget* parent);

    // The choices, once the user has taken them; none when the dialog was cancelled.
    static std::optional<TableOptions> Ask(QWidget* parent, std::string text, CellSize size);

    TableOptions Options() const;

    QComboBox* Layout;
    QSpinBox* Width;
    QSpinBox* Height;
    QSpinBox* First;
    QLabel* Result;
    QPushButton* Ok;

private:
    void Read();

    std::string text_;
};

}  // namespace zrl
