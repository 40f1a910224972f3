#pragma once

#include <QDialog>

#include "core/character_set.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zrl {

class Clipboard;

// The set as it will be written: a layout (and BDF and BASIC), a language, an array name,
// and the text itself, written afresh at every choice, to copy or save.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const CharacterSet& set, Clipboard& clipboard, QWidget* parent);

    QComboBox* Layout;
    QComboBox* Language;
    QLineEdit* Name;
    QPlainTextEdit* View;
    QLabel* Status;
    QPushButton* Copy;
    QPushButton* Save;

    // The text as chosen, or empty with Status saying why it cannot be written.
    QString Text() const { return text_; }

private:
    void CreateControls();
    void Write();
    void Copy_Click();
    void Save_Click();
    void Say(const QString& text);
    QString Suffix() const;

    const CharacterSet& set_;
    Clipboard& clipboard_;
    QString text_;
    QString folder_;
};

}  // namespace zrl
