#include "import_font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/text/code_map.h"
#include "platform/runtime_error.h"
#include "platform/system_fonts.h"
#include "preview_strip.h"

namespace zrl {

namespace {

// Styles a name leaves unsaid: "DejaVu Sans 12 px", not "DejaVu Sans Book 12 px".
bool IsPlainStyle(const QString& style) {
    return style.isEmpty() || style == QLatin1String("Regular") || style == QLatin1String("Book") ||
           style == QLatin1String("Normal") || style == QLatin1String("Roman") ||
           style == QLatin1String("Medium");
}

}  // namespace

ImportFontDialog::ImportFontDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import Font"));
    CreateControls();
    ListFamilies();
}

ImportFontDialog::~ImportFontDialog() = default;

void ImportFontDialog::CreateControls() {
    Family = new QComboBox(this);
    Style = new QComboBox(this);
    FromFile = new QPushButton(QStringLiteral("From &File..."), this);
    Pixels = new QSpinBox(this);
    Pixels->setRange(1, CellSize::kLargest);
    Pixels->setValue(12);
    Pixels->setSuffix(QStringLiteral(" px"));
    HintingChoice = new QComboBox(this);
    HintingChoice->addItems({QStringLiteral("Native: the font's own"),
                             QStringLiteral("Auto: FreeType's auto-hinter"),
                             QStringLiteral("Light"), QStringLiteral("None")});
    Greys = new QCheckBox(QStringLiteral("Render in &greys and light the dots from the threshold"),
                          this);
    Threshold = new QSlider(Qt::Horizontal, this);
    Threshold->setRange(1, 255);
    Threshold->setValue(128);
    Threshold->setEnabled(false);
    auto* thresholdValue = new QLabel(QStringLiteral("128"), this);
    Characters = new QLineEdit(QStringLiteral("32-126"), this);
    Characters->setToolTip(
        QStringLiteral("Codes and ranges, decimal or $hex, separated by commas; ~ leaves a "
                       "range out, A-B>C moves A-B to code C, * is every character the font has."));
    Sample = new QLineEdit(QStringLiteral("Zerlin 0123 The quick brown fox"), this);
    Preview = new PreviewStrip(this);
    Preview->setAccessibleName(QStringLiteral("Preview"));
    Summary = new QLabel(this);
    Summary->setWordWrap(true);

    auto* face = new QHBoxLayout;
    face->addWidget(Family, 1);
    face->addWidget(FromFile);
    auto* threshold = new QHBoxLayout;
    threshold->addWidget(Threshold, 1);
    threshold->addWidget(thresholdValue);
    auto* form = new QFormLayout;
    auto* fontLabel = new QLabel(QStringLiteral("F&ont:"), this);
    fontLabel->setBuddy(Family);
    form->addRow(fontLabel, face);
    form->addRow(QStringLiteral("St&yle:"), Style);
    form->addRow(QStringLiteral("&Size:"), Pixels);
    form->addRow(QStringLiteral("&Hinting:"), HintingChoice);
    form->addRow(Greys);
    auto* thresholdLabel = new QLabel(QStringLiteral("&Threshold:"), this);
    thresholdLabel->setBuddy(Threshold);
    form->addRow(thresholdLabel, threshold);
    form->addRow(QStringLiteral("&Characters:"), Characters);
    form->addRow(QStringLiteral("Sample te&xt:"), Sample);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    Import = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    Import->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Preview);
    layout->addWidget(Summary);
    layout->addWidget(buttons);

    const auto again = [this] { RunHandler(this, [this] { Rasterise(); }); };
    connect(Family, &QComboBox::currentIndexChanged, this,
            [this] { RunHandler(this, [this] { ListStyles(); }); });
    connect(Style, &QComboBox::currentIndexChanged, this, [this, again] {
        RunHandler(this, [this] { LoadChosenFace(); });
        again();
    });
    connect(Pixels, &QSpinBox::valueChanged, this, again);
    connect(HintingChoice, &QComboBox::currentIndexChanged, this, again);
    connect(Greys, &QCheckBox::toggled, Threshold, &QSlider::setEnabled);
    connect(Greys, &QCheckBox::toggled, this, again);
    connect(Threshold, &QSlider::valueChanged, this, [thresholdValue, again](int value) {
        thresholdValue->setText(QString::number(value));
        again();
    });
    connect(Characters, &QLineEdit::textChanged, this, again);
    connect(Sample, &QLineEdit::textChanged, this,
            [this] { Preview->Show(set_ ? &*set_ : nullptr, Sample->text()); });
    connect(FromFile, &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { FromFile_Click(); }); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// The system's families, DejaVu Sans chosen where it is, as the program's own texts are.
void ImportFontDialog::ListFamilies() {
    QStringList families;
    for (const SystemFont& font : SystemFonts()) {
        if (families.isEmpty() || families.back() != font.family) {
            families << font.family;
        }
    }
    const QSignalBlocker blocker(Family);
    Family->addItems(families);
    const qsizetype dejaVu = families.indexOf(QStringLiteral("DejaVu Sans"));
    Family->setCurrentIndex(dejaVu >= 0 ? static_cast<int>(dejaVu) : 0);
    ListStyles();
}

// The chosen family's styles; a file's own faces where the family is a file's.
void ImportFontDialog::ListStyles() {
    const QSignalBlocker blocker(Style);
    Style->clear();
    const QString path = Family->currentData().toString();
    int plain = 0;
    if (!path.isEmpty()) {
        for (int face = 0; file_ && face < file_->Faces(); ++face) {
            Style->addItem(file_->WithFace(face).Style(),
                           QVariant::fromValue(std::pair(path, face)));
        }
    } else {
        for (const SystemFont& font : SystemFonts()) {
            if (font.family == Family->currentText()) {
                Style->addItem(font.style, QVariant::fromValue(std::pair(font.path, font.face)));
            }
        }
    }
    while (plain < Style->count() && !IsPlainStyle(Style->itemText(plain))) {
        ++plain;
    }
    Style->setCurrentIndex(plain < Style->count() ? plain : 0);
    LoadChosenFace();
    Rasterise();
}

void ImportFontDialog::LoadChosenFace() {
    const auto [path, face] = Style->currentData().value<std::pair<QString, int>>();
    font_.reset();
    if (path.isEmpty()) {
        return;
    }
    const bool ofFile = !Family->currentData().toString().isEmpty() && file_;
    OutlineFont font = ofFile ? file_->WithFace(face) : OutlineFont::FromFile(path, face);
    if (!font.IsValid()) {
        Summary->setText(
            QStringLiteral("Not read: %1: %2").arg(QFileInfo(path).fileName(), font.Error()));
        return;
    }
    font_ = std::make_unique<OutlineFont>(std::move(font));
}

OutlineOptions ImportFontDialog::Options() const {
    OutlineOptions options;
    options.size.pixels = Pixels->value();
    options.hinting = static_cast<Hinting>(HintingChoice->currentIndex());
    options.threshold = Greys->isChecked() ? Threshold->value() : 0;
    return options;
}

void ImportFontDialog::Rasterise() {
    set_.reset();
    std::string error;
    const CodeMap map = CodeMap::Parse(Characters->text().toStdString(), error);
    if (font_ == nullptr || !font_->IsValid() || !error.empty()) {
        if (font_ != nullptr) {
            Summary->setText(
                error.empty()
                    ? font_->Error()
                    : QStringLiteral("Characters: %1").arg(QString::fromStdString(error)));
        } else if (Style->count() == 0) {
            Summary->setText(QStringLiteral("No font chosen: choose one from a file"));
        }
        Import->setEnabled(false);
        Preview->Show(nullptr, Sample->text());
        return;
    }
    const Rasterised made = font_->Rasterise(Wanted(map, {}, font_->Codes()), Options());
    QStringList said;
    if (made.font) {
        set_ = made.font->set;
        said << QStringLiteral("%1 characters in a %2 cell")
                    .arg(QString::fromStdString(WithThousands(set_->Size())),
                         QString::fromStdString(ToString(set_->Cell())));
    } else {
        said << made.error;
    }
    if (!made.missing.empty()) {
        said << QStringLiteral("the font has no glyph for %1: %2")
                    .arg(QString::fromStdString(
                             WithThousands(static_cast<long long>(made.missing.size()))),
                         QString::fromStdString(ListedCharacters(made.missing)));
    }
    Summary->setText(said.join(QStringLiteral("; ")) + QStringLiteral("."));
    Import->setEnabled(set_.has_value() && !set_->IsEmpty());
    Preview->Show(set_ ? &*set_ : nullptr, Sample->text());
}

bool ImportFontDialog::UseFile(const QString& path) {
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.peek(4) : QByteArray();
    if (!IsOutlineFont(head)) {
        Summary->setText(QStringLiteral("Not read: %1: not a TrueType or OpenType font")
                             .arg(QFileInfo(path).fileName()));
        return false;
    }
    OutlineFont font = OutlineFont::FromFile(path);
    if (!font.IsValid()) {
        Summary->setText(
            QStringLiteral("Not read: %1: %2").arg(QFileInfo(path).fileName(), font.Error()));
        return false;
    }
    const QString shown = QStringLiteral("%1 (%2)").arg(font.Family(), QFileInfo(path).fileName());
    const QSignalBlocker blocker(Family);
    if (Family->count() > 0 && !Family->itemData(0).toString().isEmpty()) {
        Family->removeItem(0);
    }
    file_ = std::move(font);
    Family->insertItem(0, shown, path);
    Family->setCurrentIndex(0);
    ListStyles();
    return true;
}

void ImportFontDialog::FromFile_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open Font File"), {},
        QStringLiteral("Outline fonts (*.ttf *.otf *.ttc *.TTF *.OTF *.TTC);;All files (*)"));
    if (!path.isEmpty()) {
        UseFile(path);
    }
}

QString ImportFontDialog::SetName() const {
    const QString family = Family->currentData().toString().isEmpty() || !file_
                               ? Family->currentText()
                               : file_->Family();
    const QString style =
        IsPlainStyle(Style->currentText()) ? QString() : QStringLiteral(" ") + Style->currentText();
    return QStringLiteral("%1%2 %3 px").arg(family, style).arg(Pixels->value());
}

}  // namespace zrl
