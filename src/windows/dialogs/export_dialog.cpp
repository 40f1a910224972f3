#include "export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/formats/format_table.h"
#include "core/formats/lvgl_glyphs.h"
#include "core/formats/set_export.h"
#include "core/formats/table_writer.h"
#include "core/formats/u8g2_c_text.h"
#include "core/formats/u8g2_encoder.h"
#include "core/formats/u8g2_name.h"
#include "core/text/code_map.h"
#include "core/text/code_text.h"
#include "platform/clipboard.h"
#include "platform/font_file.h"
#include "platform/runtime_error.h"

namespace zrl {

namespace {

// The formats offered, in the table's order.
std::vector<const Format*> Offered() {
    std::vector<const Format*> offered;
    for (const Format* format : Formats()) {
        if (IsWritten(*format)) {
            offered.push_back(format);
        }
    }
    return offered;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Bytes as a hex dump shows them: sixteen to a line after their offset.
QString HexDump(const std::string& bytes) {
    QString dump;
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        dump += QStringLiteral("%1:").arg(at, 8, 16, QLatin1Char('0'));
        for (std::size_t i = at; i < std::min(bytes.size(), at + 16); ++i) {
            dump += QStringLiteral(" %1").arg(static_cast<unsigned char>(bytes[i]), 2, 16,
                                              QLatin1Char('0'));
        }
        dump += u'\n';
    }
    return dump;
}

// Whether the format writes the characters chosen whatever their codes, as a font does,
// rather than the codes up to 255 a table holds.
bool WritesEveryCode(const Format& format) {
    return format.output == Output::Bdf || format.output == Output::FontSource ||
           format.output == Output::Bytes;
}

QString Thousands(long long count) {
    return QString::fromStdString(WithThousands(count));
}

// A text to choose characters from is some firmware's strings; a larger file is no such text.
constexpr qint64 kMostText = 16 * 1024 * 1024;

// An XLFD name's family: "-Misc-Fixed-Medium-R-Normal--7-..." is "Fixed".
QString FamilyOf(const CharacterSet& set) {
    const QString name = QString::fromStdString(set.FontName());
    const QStringList fields = name.split(u'-');
    return name.startsWith(u'-') && fields.size() == 15 ? fields[2] : name;
}

}  // namespace

ExportDialog::ExportDialog(const CharacterSet& set, Clipboard& clipboard, QWidget* parent,
                           const QString& fileName)
    : QDialog(parent),
      set_(set),
      clipboard_(clipboard),
      family_(fileName.isEmpty() ? FamilyOf(set) : QFileInfo(fileName).baseName()) {
    setWindowTitle(QStringLiteral("Export"));
    CreateControls();
    if (const std::optional<int> mode = SaidU8g2Mode(set)) {
        Box->setCurrentIndex(*mode);
    }
    // glcd, the classic font table
    const std::vector<const Format*> offered = Offered();
    Layout->setCurrentIndex(static_cast<int>(
        std::find(offered.begin(), offered.end(), &FormatOf(ByteLayout::Glcd)) - offered.begin()));
    Write();
}

void ExportDialog::CreateControls() {
    Layout = new QComboBox(this);
    for (const Format* format : Offered()) {
        Layout->addItem(FromView(format->name) + QStringLiteral(": ") + FromView(format->summary));
    }
    Language = new QComboBox(this);
    Language->addItems({QStringLiteral("C"), QStringLiteral("Arduino C (PROGMEM)"),
                        QStringLiteral("Python list")});
    Name = new QLineEdit(this);
    Name->setPlaceholderText(QStringLiteral("font"));
    Box = new QComboBox(this);
    Box->addItems({QStringLiteral("t: each glyph in a box of its own"),
                   QStringLiteral("h: every glyph of one height"),
                   QStringLiteral("m: every glyph in one box, monospaced"),
                   QStringLiteral("8: every glyph in an 8x8 tile")});
    Version = new QComboBox(this);
    Version->addItems({QStringLiteral("LVGL 9"), QStringLiteral("LVGL 8")});
    QHBoxLayout* selection = CreateSelection();
    View = new QPlainTextEdit(this);
    View->setReadOnly(true);
    View->setLineWrapMode(QPlainTextEdit::NoWrap);
    View->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    View->setAccessibleName(QStringLiteral("Text to export"));
    View->setMinimumSize(560, 300);
    Status = new QLabel(this);
    Status->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Layout:"), Layout);
    form->addRow(QStringLiteral("Lan&guage:"), Language);
    form->addRow(QStringLiteral("Array &name:"), Name);
    form->addRow(QStringLiteral("Bo&x:"), Box);
    form->addRow(QStringLiteral("&Version:"), Version);
    auto* characters = new QLabel(QStringLiteral("C&haracters:"), this);
    characters->setBuddy(Characters);  // a layout in the row takes no buddy of its own
    form->addRow(characters, selection);
    form->addRow(Sparse);
    form->addRow(Chosen);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Copy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    Save = buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(View, 1);
    layout->addWidget(Status);
    layout->addWidget(buttons);

    // Each choice writes the text afresh; nothing it does may throw past the dialog.
    const auto write = [this] { RunHandler(this, [this] { Write(); }); };
    connect(Layout, &QComboBox::currentIndexChanged, this, write);
    connect(Language, &QComboBox::currentIndexChanged, this, write);
    connect(Name, &QLineEdit::textChanged, this, write);
    connect(Box, &QComboBox::currentIndexChanged, this, write);
    connect(Version, &QComboBox::currentIndexChanged, this, write);
    connect(Characters, &QLineEdit::textChanged, this, write);
    connect(Sparse, &QCheckBox::toggled, this, write);
    connect(FromText, &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { FromText_Click(); }); });
    connect(ForgetText, &QPushButton::clicked, this, [this, write] {
        textCodes_.clear();
        textNote_.clear();
        write();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Copy, &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { Copy_Click(); }); });
    connect(Save, &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { Save_Click(); }); });
}

// The row of the map and the text, under the form's other rows; the sparse box and the line
// that says what is chosen go under it.
QHBoxLayout* ExportDialog::CreateSelection() {
    Characters = new QLineEdit(this);
    Characters->setPlaceholderText(QStringLiteral("All; or as 32-126,$410-$44F>$C0,~$420"));
    Characters->setToolTip(
        QStringLiteral("Codes and ranges, decimal or $hex, separated by commas; ~ leaves a "
                       "range out, A-B>C moves A-B to code C, * is every character. A later "
                       "one decides over an earlier one."));
    FromText = new QPushButton(QStringLiteral("Characters from te&xt..."), this);
    ForgetText = new QPushButton(QStringLiteral("&Forget Text"), this);
    Sparse = new QCheckBox(QStringLiteral("S&parse: these characters only, with their codes, a "
                                          "lookup and a UTF-8 decoder"),
                           this);
    Chosen = new QLabel(this);
    Chosen->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(Characters, 1);
    row->addWidget(FromText);
    row->addWidget(ForgetText);
    return row;
}

bool ExportDialog::ChosenSet(std::optional<CharacterSet>& picked, std::string& moved) {
    std::string error;
    const CodeMap map = CodeMap::Parse(Characters->text().toStdString(), error);
    if (!error.empty()) {
        Chosen->setText(QStringLiteral("Characters: ") + QString::fromStdString(error));
        return false;
    }
    if (map.IsEmpty() && textCodes_.empty()) {
        return true;
    }
    Selection selection = Select(set_, map, textCodes_);
    moved = selection.moved;
    absent_ = selection.absent;
    picked = std::move(selection.set);
    return true;
}

void ExportDialog::Refuse(const QString& why) {
    text_.clear();
    bytes_.clear();
    View->clear();
    Say(QStringLiteral("Cannot be written so: ") + why);
    Copy->setEnabled(false);
    Save->setEnabled(false);
}

const Format& ExportDialog::ChosenFormat() const {
    return *Offered()[static_cast<std::size_t>(Layout->currentIndex())];
}

void ExportDialog::Write() {
    const Format& format = ChosenFormat();
    const bool table = format.output == Output::Source;
    Language->setEnabled(format.Takes(kTakesLanguage));
    Name->setEnabled(format.Takes(kTakesName));
    Name->setPlaceholderText(DefaultName(format));
    Box->setEnabled(format.Takes(kTakesBox));
    Version->setEnabled(format.Takes(kTakesVersion));
    Sparse->setEnabled(format.Takes(kTakesSparse));
    ForgetText->setEnabled(!textCodes_.empty());
    absent_.clear();
    std::string moved;
    std::optional<CharacterSet> picked;
    if (!ChosenSet(picked, moved)) {
        Refuse(Chosen->text());
        return;
    }
    const bool selected = picked.has_value();
    const bool bdf = WritesEveryCode(format);
    // What is written: the chosen characters as the format writes them, or the set as a
    // table holds it, copied only where it is not the set itself.
    std::optional<CharacterSet> owned =
        selected ? std::optional(ChosenFor(format, set_, *picked, !moved.empty()))
        : bdf    ? std::nullopt
                 : TableSubset(set_);
    const CharacterSet* written = owned ? &*owned : &set_;
    const CharacterSet& from = selected ? *written : set_;
    TableFormat options{format,
                        format.Takes(kTakesLanguage)
                            ? static_cast<enum Language>(Language->currentIndex())
                            : Language::C,
                        Name->text().trimmed().toStdString()};
    options.sparse = Sparse->isEnabled() && Sparse->isChecked();
    options.whole = selected;
    options.moved = table ? moved : std::string();
    ChooseForArray(options);
    SayOptions(options);
    if (const std::string why = WhyNotWritten(from, options); !why.empty()) {
        Refuse(QString::fromStdString(why));
        SayChosen(written->Size(), {});
        return;
    }
    const std::string text = WriteTable(from, options);
    written = options.sparse ? &from : written;
    QStringList more;
    if (const Gaps gaps = GapsOf(from, options); gaps.blanks > 0) {
        more << QStringLiteral("%1: %2; moving codes with > or Sparse leaves them out")
                    .arg(QString::fromStdString(Counted(gaps.blanks, "blank character")),
                         QString::fromStdString(Counted(gaps.bytes, "byte")));
    }
    if (const std::string warning = WarningOf(from, options); !warning.empty()) {
        more << QString::fromStdString(warning);
    }
    if (const std::string about = AboutOf(from, options); !about.empty()) {
        more << QString::fromStdString(about);
    }
    Show(format, text);
    const bool lcd = format.layout == ByteLayout::Lcd;
    const bool array = format.output == Output::FontArray;
    const int held = lcd     ? CharactersWritten(*written, SetFormat::LcdCharacters)
                     : array ? (picked ? picked->Size() : set_.Size())
                             : written->Size();
    QString bytes;
    if (format.output == Output::Bytes) {
        bytes = QStringLiteral(" in ") + QString::fromStdString(Counted(std::ssize(text), "byte"));
    } else if (const std::vector<StringArray> arrays = StringArraysIn(text);
               array && !arrays.empty()) {
        // The string's closing 0 is the array's last byte.
        bytes = QStringLiteral(" in ") +
                QString::fromStdString(Counted(std::ssize(arrays.front().bytes), "byte"));
    }
    SayChosen(held, more);
    const std::string leftOut =
        bdf || array || options.sparse || (selected && !lcd)
            ? std::string()
            : DescribeTableLeftOut(selected ? *written : set_,
                                   lcd ? SetFormat::LcdCharacters : SetFormat::CFontTable);
    Say(QStringLiteral("%1 of %2%3, %4 lines")
            .arg(QString::fromStdString(Counted(held, "character")))
            .arg(QString::fromStdString(ToString(written->Cell())), bytes)
            .arg(View->blockCount()) +
        (leftOut.empty() ? QString() : QStringLiteral("; ") + QString::fromStdString(leftOut)));
}

// "160 of 57,086 characters", what the text chose and lacks, and a line for each note.
void ExportDialog::SayChosen(int held, const QStringList& more) {
    QString line =
        QStringLiteral("%1 of %2")
            .arg(Thousands(held), QString::fromStdString(Counted(set_.Size(), "character")));
    if (!textNote_.isEmpty()) {
        line += QStringLiteral(", with ") + textNote_;
    }
    if (!absent_.empty()) {
        line += QStringLiteral("; not in the set: ") +
                QString::fromStdString(ListedCharacters(absent_));
    }
    Chosen->setText(QStringList(QStringList{line + u'.'} + more).join(u'\n'));
}

void ExportDialog::FromText_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Characters from Text"), folder_,
        QStringLiteral("Text (*.txt *.h *.c *.cpp *.ino *.py *.json);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (file.size() > kMostText || !file.open(QIODevice::ReadOnly)) {
        Say(QStringLiteral("Not read: %1: %2")
                .arg(QFileInfo(path).fileName(),
                     file.size() > kMostText ? QStringLiteral("over 16 MB; no text of strings")
                                             : file.errorString()));
        return;
    }
    UseText(file.readAll(), QFileInfo(path).fileName());
}

void ExportDialog::UseText(const QByteArray& text, const QString& name) {
    const TextCodes read =
        CodesOfText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    textCodes_ = read.codes;
    textNote_ =
        QStringLiteral("the %1 of %2")
            .arg(QString::fromStdString(Counted(std::ssize(read.codes), "character")), name);
    if (read.malformed > 0) {
        textNote_ += QStringLiteral(" (%1 malformed UTF-8 passed over)").arg(read.malformed);
    }
    Write();
}

QString ExportDialog::Suffix() const {
    const auto language = static_cast<enum Language>(Language->currentIndex());
    if (Language->isEnabled() && language == Language::Python) {
        return QStringLiteral("py");
    }
    return FromView(ExtensionsOf(ChosenFormat()).front());
}

void ExportDialog::Copy_Click() {
    clipboard_.Clear();
    clipboard_.SetText(text_);
    Say(QStringLiteral("Copied %1").arg(QString::fromStdString(Counted(set_.Size(), "character"))));
}

void ExportDialog::Save_Click() {
    const QString name =
        Name->text().trimmed().isEmpty() ? Name->placeholderText() : Name->text().trimmed();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export Character Set"),
        QFileInfo(folder_, name + QStringLiteral(".") + Suffix()).filePath());
    if (path.isEmpty()) {
        return;
    }
    folder_ = QFileInfo(path).path();
    if (const QString error = SaveBytes(path, bytes_); !error.isEmpty()) {
        Say(QStringLiteral("Not saved: %1: %2").arg(QFileInfo(path).fileName(), error));
        return;
    }
    Say(QStringLiteral("Saved to %1").arg(QFileInfo(path).fileName()));
}

QString ExportDialog::DefaultName(const Format& format) const {
    const std::string family = family_.toStdString();
    const std::string map = Characters->text().toStdString();
    if (format.Takes(kTakesBox)) {
        return QString::fromStdString(
            U8g2FontName(family, kU8g2BoxLetters[std::max(0, Box->currentIndex())], map));
    }
    if (format.Takes(kTakesVersion)) {
        return QString::fromStdString(LvglFontName(set_.FontName()));
    }
    if (format.Takes(kTakesTiles)) {
        const CellSize cell = set_.Cell();
        return QString::fromStdString(
            U8x8FontName(family, {(cell.width + 7) / 8, (cell.height + 7) / 8}, map));
    }
    return FromView(format.arrayName);
}

void ExportDialog::ChooseForArray(TableFormat& options) const {
    if (options.format->output != Output::FontArray) {
        return;
    }
    std::string error;
    options.map = CodeMap::Parse(Characters->text().toStdString(), error);
    options.text = textCodes_;
    options.box =
        options.format->Takes(kTakesBox) ? kU8g2BoxLetters[std::max(0, Box->currentIndex())] : '\0';
    if (options.name.empty()) {
        options.name = DefaultName(*options.format).toStdString();
    }
}

void ExportDialog::SayOptions(TableFormat& options) const {
    if (!options.format->Takes(kTakesVersion)) {
        return;
    }
    options.version = Version->currentIndex() == 1 ? 8 : 9;
    options.said = "--export " + std::string(options.format->name) + " --lvgl " +
                   std::to_string(options.version);
    if (const QString map = Characters->text().trimmed(); !map.isEmpty()) {
        options.said += " --map '" + map.toStdString() + "'";
    }
    if (!textNote_.isEmpty()) {
        options.said +=
            " --chars-from " + textNote_.section(QStringLiteral(" of "), 1).toStdString();
    }
    if (options.format->Takes(kTakesName)) {
        options.said +=
            " --name " + (options.name.empty() ? LvglFontName(set_.FontName()) : options.name);
    }
}

// The text in the view, to copy and save; a binary file's bytes as a hex dump, saved only.
void ExportDialog::Show(const Format& format, const std::string& written) {
    bytes_ = written;
    const bool binary = format.output == Output::Bytes;
    text_ = binary ? HexDump(written) : QString::fromStdString(written);
    View->setPlainText(text_);
    Copy->setEnabled(!binary);
    Save->setEnabled(true);
}

void ExportDialog::Say(const QString& text) {
    Status->setText(text);
    Status->setAccessibleName(text);
}

}  // namespace zrl
