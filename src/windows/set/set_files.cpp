#include "set_files.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

#include "character_set_window.h"
#include "code_chart_model.h"
#include "core/text/code_map.h"
#include "core/text/code_text.h"
#include "platform/font_file.h"
#include "platform/outline_font.h"
#include "set_document.h"
#include "set_transfer.h"
#include "windows/dialogs/asking.h"
#include "windows/dialogs/cell_size_dialog.h"
#include "windows/dialogs/file_filters.h"

namespace zrl {

namespace {

// The sizes offered for a new set, as the field offers them, and any other.
struct NamedSize {
    const char* text;
    CellSize size;
};
constexpr NamedSize kNewSizes[] = {
    {"5x7", {5, 7}},   {"5x8 (LCD character)", {5, 8}},
    {"6x8", {6, 8}},   {"8x8 (LED module)", {8, 8}},
    {"8x16", {8, 16}},
};

QString FileName(const QString& path) {
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

}  // namespace

SetFiles::SetFiles(FrmCharSet& window, SetDocument& document, SetTransfer& transfer)
    : window_(window), document_(document), transfer_(transfer) {}

CharacterSet SetFiles::BlankSet(Kind kind, CellSize size) {
    switch (kind) {
        case Kind::LcdCustom:
            return CharacterSet::Blank(0, 7, size);
        case Kind::PrintableAscii:
            return CharacterSet::Blank(32, 126, size);
        case Kind::Empty:
            return CharacterSet(size);
        case Kind::FullTable:
            break;
    }
    return CharacterSet::Blank(kFirstCode, kLastCode, size);
}

bool SetFiles::Read(const QString& path) {
    if (QFile file(path); file.open(QIODevice::ReadOnly) && IsOutlineFont(file.peek(4))) {
        window_.Say(QStringLiteral("Not opened: %1: an outline font has no dots until it is "
                                   "rasterised at a size: File > Import Font...")
                        .arg(QFileInfo(path).fileName()));
        return false;
    }
    LoadedFont loaded = IsSourceFile(path) ? transfer_.ReadTableFile(path) : LoadFontFile(path);
    if (!loaded.font) {
        window_.Say(
            QStringLiteral("Not opened: %1: %2").arg(QFileInfo(path).fileName(), loaded.error));
        return false;
    }
    const QString leftOut = QString::fromStdString(DescribeLeftOut(*loaded.font));
    const QString note = QString::fromStdString(loaded.font->note);
    window_.ReplaceSet(std::move(loaded.font->set), path);
    for (const QString& said : {leftOut, note}) {
        if (!said.isEmpty()) {
            window_.Say(window_.Status->text() + QStringLiteral(". ") + said);
        }
    }
    return true;
}

bool SetFiles::SaveTo(const QString& path) {
    const QString error = SaveFontFile(path, document_.Set());
    if (!error.isEmpty()) {
        window_.Say(QStringLiteral("Not saved: %1: %2").arg(QFileInfo(path).fileName(), error));
        return false;
    }
    document_.MarkSaved(path);
    window_.Say(QStringLiteral("Saved %1 to %2")
                    .arg(QString::fromStdString(Counted(document_.Set().Size(), "character")))
                    .arg(QFileInfo(path).fileName()));
    return true;
}

bool SetFiles::MaybeSave() {
    if (!document_.IsModified()) {
        return true;
    }
    const auto answer = QMessageBox::warning(
        &window_, QStringLiteral("Character Set"),
        QStringLiteral("The character set \"%1\" has unsaved changes.\nSave them?")
            .arg(FileName(document_.FilePath())),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return Save_Click();
    }
    return answer == QMessageBox::Discard;
}

void SetFiles::SaveCharacter(const CharacterGrid& grid) {
    bool chosen = false;
    const QString text = AskText(
        &window_, QStringLiteral("Save Character"),
        QStringLiteral("No set is open: the field's character is saved as a set of its own.\n"
                       "Its code (U+0041, 0x41, 65 or the character):"),
        QStringLiteral("65"), &chosen);
    if (!chosen) {
        return;
    }
    const std::optional<int> code = ParseCode(text.toStdString());
    if (!code) {
        window_.Say(QStringLiteral("Not saved: \"%1\" is no code from 0 to U+10FFFF").arg(text));
        return;
    }
    CharacterSet set(grid.Size());
    set.Put(*code, {PatternOf(grid), {}});
    window_.ReplaceSet(std::move(set), {});
    window_.MarkUnsaved();
    window_.MakeCurrent(*code);
    if (SaveAs_Click()) {
        window_.Say(QStringLiteral("Saved the field's character as %1 to %2")
                        .arg(CodeChartModel::SpokenName(*code), window_.FileName()));
    }
}

void SetFiles::New_Click() {
    // Unsaved changes first, as Open asks them, then what to make.
    if (!MaybeSave()) {
        return;
    }
    const QStringList kinds = {QStringLiteral("LCD custom characters (codes 0 to 7)"),
                               QStringLiteral("Printable ASCII (codes 32 to 126)"),
                               QStringLiteral("Full table (codes 0 to 255)"),
                               QStringLiteral("Empty set (no characters)")};
    bool chosen = false;
    const QString kind = AskItem(&window_, QStringLiteral("New Character Set"),
                                 QStringLiteral("Blank characters for:"), kinds, 1, &chosen);
    if (!chosen) {
        return;
    }
    QStringList sizes;
    for (const NamedSize& named : kNewSizes) {
        sizes << QString::fromLatin1(named.text);
    }
    sizes << QStringLiteral("Other...");
    const QString sized = AskItem(&window_, QStringLiteral("New Character Set"),
                                  QStringLiteral("Cell size:"), sizes, 0, &chosen);
    const qsizetype index = sizes.indexOf(sized);
    std::optional<CellSize> size;
    if (chosen && index >= 0 && index < static_cast<qsizetype>(std::size(kNewSizes))) {
        size = kNewSizes[index].size;
    } else if (chosen) {
        size = AskCellSize(&window_, QStringLiteral("New Character Set"), kDefaultSize);
    }
    if (size) {
        window_.NewSet(static_cast<Kind>(kinds.indexOf(kind)), *size);
    }
}

bool SetFiles::Open_Click() {
    if (!MaybeSave()) {
        return false;
    }
    const QString path =
        QFileDialog::getOpenFileName(&window_, QStringLiteral("Open Character Set"),
                                     QFileInfo(document_.FilePath()).path(), OpenFilters());
    return !path.isEmpty() && window_.OpenFile(path);
}

bool SetFiles::Save_Click() {
    const QString path = document_.FilePath();
    return path.endsWith(QStringLiteral(".bdf"), Qt::CaseInsensitive) ? SaveTo(path)
                                                                      : SaveAs_Click();
}

// A set opened from a PCF, a packed file or a table is saved as BDF under a name of its own.
bool SetFiles::SaveAs_Click() {
    const QString path = document_.FilePath();
    const bool untitled = window_.FileName() == QLatin1String("Untitled");
    const QString suggested =
        WithExtension(!path.isEmpty() ? path
                      : untitled      ? QStringLiteral("charset.bdf")
                                      : window_.FileName() + QStringLiteral(".bdf"),
                      QStringLiteral("bdf"));
    const QString chosen =
        QFileDialog::getSaveFileName(&window_, QStringLiteral("Save Character Set"), suggested,
                                     QStringLiteral("BDF fonts (*.bdf)"));
    return !chosen.isEmpty() && SaveTo(chosen);
}

}  // namespace zrl
