#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "core/model/character_set.h"
#include "platform/outline_font.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace zrl {

class PreviewStrip;

// An outline font, the system's or a file's, rasterised at a size as the person chooses:
// hinting, black and white or greys cut at a threshold, the characters in bdfconv's map
// syntax; a sample text drawn with the set as it would be, the cell it makes and what the
// font lacks, all afresh at every change.
class ImportFontDialog : public QDialog {
    Q_OBJECT

public:
    explicit ImportFontDialog(QWidget* parent);
    ~ImportFontDialog() override;

    QComboBox* Family;
    QComboBox* Style;
    QPushButton* FromFile;
    QSpinBox* Pixels;
    QComboBox* HintingChoice;
    QCheckBox* Greys;
    QSlider* Threshold;
    QLineEdit* Characters;
    QLineEdit* Sample;
    PreviewStrip* Preview;
    QLabel* Summary;  // "95 characters in a 9x14 cell", what is missing, or why none
    QPushButton* Import;

    // Reads a font file as the font to rasterise; false, with Summary saying why, where it
    // is none.
    bool UseFile(const QString& path);
    // The set as it stands, and its name ("DejaVu Sans 12 px"); none where nothing fits.
    const std::optional<CharacterSet>& Set() const { return set_; }
    QString SetName() const;

private:
    void CreateControls();
    void ListFamilies();
    void ListStyles();
    void LoadChosenFace();
    void Rasterise();
    void FromFile_Click();
    OutlineOptions Options() const;

    std::unique_ptr<OutlineFont> font_;
    std::optional<OutlineFont> file_;  // the font read from a file, listed first
    std::optional<CharacterSet> set_;
};

}  // namespace zrl
