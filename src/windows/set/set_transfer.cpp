#include "set_transfer.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include "character_set_window.h"
#include "core/formats/set_import.h"
#include "core/text/code_map.h"
#include "import_set_command.h"
#include "platform/font_file.h"
#include "windows/dialogs/asking.h"
#include "windows/dialogs/export_dialog.h"
#include "windows/dialogs/file_filters.h"
#include "windows/dialogs/read_table_dialog.h"
#include "windows/startup/forms.h"

namespace zrl {

SetTransfer::SetTransfer(FrmCharSet& window, Forms& forms) : window_(window), forms_(forms) {}

std::string SetTransfer::ExportText(SetFormat format, const QString& arrayName) const {
    return WriteSet(window_.Set(), format, window_.EditorOrder(), arrayName.toStdString());
}

namespace {

// "; left out 120 characters past code 7; ...": what the form leaves out, for the status line.
QString LeftOut(const CharacterSet& set, SetFormat format) {
    const std::string line = format != SetFormat::Bdf ? DescribeTableLeftOut(set, format) : "";
    return line.empty() ? QString() : QStringLiteral("; ") + QString::fromStdString(line);
}

}  // namespace

void SetTransfer::Copy(SetFormat format) {
    if (const std::string why = WhyNotWritten(window_.Set(), format); !why.empty()) {
        window_.Say(QStringLiteral("Not copied: ") + QString::fromStdString(why));
        return;
    }
    QString name;
    if (format == SetFormat::CFontTable) {
        bool chosen = false;
        name = AskText(&window_, QStringLiteral("Copy as C Font Table"),
                       QStringLiteral("Array name:"), QStringLiteral("font"), &chosen);
        if (!chosen) {
            return;
        }
        // The one check of names every way of writing a table has.
        if (const std::string why = WhyNotName(name.toStdString(), Language::C);
            !name.isEmpty() && !why.empty()) {
            window_.Say(QStringLiteral("Not copied: ") + QString::fromStdString(why));
            return;
        }
    }
    forms_.clipboard.Clear();
    forms_.clipboard.SetText(QString::fromStdString(ExportText(format, name)));
    window_.Say(QStringLiteral("Copied %1")
                    .arg(QString::fromStdString(
                        Counted(CharactersWritten(window_.Set(), format), "character"))) +
                LeftOut(window_.Set(), format));
}

void SetTransfer::ExportFile() {
    const QStringList filters = {
        QStringLiteral("BASIC Data block (*.bas)"), QStringLiteral("C font table (*.h)"),
        QStringLiteral("LCD custom characters (*.h)"), QStringLiteral("BDF font (*.bdf)")};
    QString filter = filters[1];
    const QString path = QFileDialog::getSaveFileName(
        &window_, QStringLiteral("Export Character Set"), QFileInfo(window_.FilePath()).path(),
        filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    const auto format = static_cast<SetFormat>(std::max<qsizetype>(0, filters.indexOf(filter)));
    if (const std::string why = WhyNotWritten(window_.Set(), format); !why.empty()) {
        window_.Say(QStringLiteral("Not exported: ") + QString::fromStdString(why));
        return;
    }
    const std::string text = ExportText(format, {});
    if (const QString error = SaveBytes(path, text); !error.isEmpty()) {
        window_.Say(QStringLiteral("Not exported: %1: %2").arg(QFileInfo(path).fileName(), error));
        return;
    }
    window_.Say(QStringLiteral("Exported %1 to %2")
                    .arg(QString::fromStdString(
                        Counted(CharactersWritten(window_.Set(), format), "character")))
                    .arg(QFileInfo(path).fileName()) +
                LeftOut(window_.Set(), format));
}

bool SetTransfer::Import(const QString& text, int firstCode) {
    const std::string bytes = text.left(static_cast<qsizetype>(kMaxSetText) + 1).toStdString();
    return Take(ReadSetText(bytes, firstCode, window_.Set().Cell()));
}

bool SetTransfer::ImportTable(const QString& text, const TableOptions& options) {
    return Take(
        ReadTable(text.left(static_cast<qsizetype>(kMaxSetText) + 1).toStdString(), options));
}

bool SetTransfer::Take(const ParsedSet& read) {
    const CellSize size = window_.Set().Cell();
    if (!read.set) {
        window_.Say(QStringLiteral("Not imported: ") + QString::fromStdString(read.error));
        return false;
    }
    if (read.set->Cell() != size) {
        window_.Say(QStringLiteral("Not imported: the text holds %1 characters; the set's are %2")
                        .arg(QString::fromStdString(ToString(read.set->Cell())),
                             QString::fromStdString(ToString(size))));
        return false;
    }
    window_.PushSetStep(new ImportSetCommand(window_, *read.set));
    if (!read.note.empty()) {
        window_.Say(window_.Status->text() + QStringLiteral("; ") +
                    QString::fromStdString(read.note));
    }
    return true;
}

void SetTransfer::ImportText(const std::optional<QString>& text) {
    if (!text || text->trimmed().isEmpty()) {
        window_.Say(
            QStringLiteral("Not imported: the clipboard holds no text; copy a table first"));
        return;
    }
    if (const std::optional<ParsedSet> read =
            ReadAsking(text->left(static_cast<qsizetype>(kMaxSetText) + 1).toStdString())) {
        Take(*read);
    }
}

std::optional<ParsedSet> SetTransfer::ReadAsking(const std::string& text) {
    if (!NeedsFirstCode(text)) {
        ParsedSet read = ReadSetText(text, std::nullopt, window_.Set().Cell());
        return read.arrays.empty() ? std::optional(std::move(read)) : ReadChosenArray(text, read);
    }
    const std::optional<TableOptions> options =
        ReadTableDialog::Ask(&window_, text, window_.Set().Cell());
    return options ? std::optional(ReadTable(text, *options)) : std::nullopt;
}

// A text of several font arrays, such as u8g2's own fonts file, is read in the one chosen.
std::optional<ParsedSet> SetTransfer::ReadChosenArray(const std::string& text,
                                                      const ParsedSet& several) {
    QStringList names;
    for (const std::string& name : several.arrays) {
        names << QString::fromStdString(name);
    }
    bool chosen = false;
    const QString name =
        AskItem(&window_, QStringLiteral("Font Arrays"),
                QStringLiteral("The text holds %1 font arrays. Read:").arg(names.size()), names, 0,
                &chosen);
    if (!chosen) {
        return std::nullopt;
    }
    return ReadSetText(text, std::nullopt, window_.Set().Cell(), name.toStdString());
}

void SetTransfer::ShowExportDialog() {
    ExportDialog dialog(window_.Set(), forms_.clipboard, &window_, window_.FilePath());
    dialog.exec();
}

void SetTransfer::ImportFile() {
    const QString path =
        QFileDialog::getOpenFileName(&window_, QStringLiteral("Import into the Character Set"),
                                     QFileInfo(window_.FilePath()).path(), SourceFilters());
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (file.size() > static_cast<qint64>(kMaxSetText)) {
        window_.Say(
            QStringLiteral("Not imported: %1 is over 16 MB").arg(QFileInfo(path).fileName()));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        window_.Say(QStringLiteral("Not imported: %1: %2")
                        .arg(QFileInfo(path).fileName(), file.errorString()));
        return;
    }
    ImportText(QString::fromUtf8(file.readAll()));
}

LoadedFont SetTransfer::ReadTableFile(const QString& path) {
    QFile file(path);
    if (file.size() > static_cast<qint64>(kMaxSetText)) {
        // Only a binary font, such as LVGL's, is read past 16 MB.
        LoadedFont binary = LoadFontFile(path);
        return binary.font ? binary
                           : LoadedFont{std::nullopt, QStringLiteral("the file is over 16 MB")};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, file.errorString()};
    }
    const QByteArray data = file.readAll();
    const std::string text(data.constData(), static_cast<std::size_t>(data.size()));
    const std::optional<ParsedSet> read = ReadAsking(text);
    if (!read) {
        return {std::nullopt, QStringLiteral("its layout was not given")};
    }
    if (!read->set) {
        return {std::nullopt, QString::fromStdString(read->error)};
    }
    ImportedFont imported{*read->set};
    imported.note = read->note;
    return {std::move(imported), {}};
}

}  // namespace zrl
