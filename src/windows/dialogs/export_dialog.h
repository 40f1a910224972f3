#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/formats/format.h"
#include "core/model/character_set.h"

class QCheckBox;
class QHBoxLayout;
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
    // `fileName`: the set's file, whose name a u8g2 font's array takes.
    ExportDialog(const CharacterSet& set, Clipboard& clipboard, QWidget* parent,
                 const QString& fileName = {});

    QComboBox* Layout;
    QComboBox* Language;
    QLineEdit* Name;
    QComboBox* Box;      // u8g2's box mode
    QComboBox* Version;  // LVGL's major version: 9 or 8
    // The characters written: a map in bdfconv's syntax, and those of a UTF-8 text.
    QLineEdit* Characters;
    QPushButton* FromText;
    QPushButton* ForgetText;
    QCheckBox* Sparse;
    QLabel* Chosen;  // "160 of 57,086 characters", with what blanks cost or a warning
    QPlainTextEdit* View;
    QLabel* Status;
    QPushButton* Copy;
    QPushButton* Save;

    // The text as chosen, or empty with Status saying why it cannot be written; a binary
    // file's bytes as a hex dump shows them.
    QString Text() const { return text_; }
    // What Save writes: the text, or a binary file's bytes.
    const std::string& Bytes() const { return bytes_; }
    // Chooses the characters a UTF-8 text holds, as Characters from Text does with a file.
    void UseText(const QByteArray& text, const QString& name);

private:
    void CreateControls();
    QHBoxLayout* CreateSelection();
    // The format chosen in Layout.
    const Format& ChosenFormat() const;
    void Write();
    // The characters the map and the text choose into `picked` (left empty where they choose
    // none, and the whole set is written); false when the map does not parse, and the line
    // above the text says why.
    bool ChosenSet(std::optional<CharacterSet>& picked, std::string& moved);
    void SayChosen(int held, const QStringList& more);
    void Refuse(const QString& why);
    void FromText_Click();
    void Copy_Click();
    void Save_Click();
    void Say(const QString& text);
    QString Suffix() const;
    // The array's name where none is typed: the format's own, or u8g2's for its fonts.
    QString DefaultName(const Format& format) const;
    // A font array chooses from the whole font by the map and text itself, in its box.
    void ChooseForArray(TableFormat& options) const;
    // What a library's font records of how it was made: its version, map and name.
    void SayOptions(TableFormat& options) const;
    void Show(const Format& format, const std::string& written);

    const CharacterSet& set_;
    Clipboard& clipboard_;
    QString text_;
    std::string bytes_;
    QString folder_;
    std::vector<int> textCodes_;  // sorted: the characters of the text chosen from
    QString textNote_;            // "the 42 characters of strings.txt"
    QString family_;              // the font's name as u8g2's array names take it
    std::vector<int> absent_;     // the text's characters the set lacks
};

}  // namespace zrl
