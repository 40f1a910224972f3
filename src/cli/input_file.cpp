#include "input_file.h"

#include <QFile>
#include <string_view>

#include "core/formats/set_import.h"
#include "core/formats/table_guess.h"
#include "core/formats/table_reader.h"
#include "platform/outline_font.h"
#include "say.h"

namespace zrl {

namespace {

ParsedSet ReadText(std::string_view text, const Reading& reading) {
    if (reading.told == nullptr) {
        return ReadSetText(text, reading.first, reading.size, reading.array);
    }
    const int first = reading.first.value_or(kUnsaidFirstCode);
    ParsedSet read = ReadTable(text, {*reading.told, reading.size, first});
    // A whole code page in a layout of bytes that says no first code starts at 0.
    if (!reading.first && read.set && reading.told->layout &&
        *reading.told->layout != ByteLayout::Lcd && !FirstCodeOf(text) &&
        IsCodePageFrom(*read.set, first)) {
        read = ReadTable(text, {*reading.told, reading.size, 0});
        if (read.set) {
            read.note = WithNote(read.note, CodePageNote(*read.set));
        }
    }
    return read;
}

}  // namespace

LoadedFont LoadInput(const QString& path, const Reading& reading) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, file.errorString()};
    }
    if (IsFontData(file.peek(64)) || IsFontName(path) ||
        file.size() > static_cast<qint64>(kMaxSetText)) {
        return LoadFontFile(path);
    }
    const QByteArray text = file.readAll();
    const ParsedSet read = ReadText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), reading);
    if (!read.set) {
        return {std::nullopt, QString::fromStdString(read.error)};
    }
    if (!read.note.empty()) {
        Say(QStringLiteral("%1: %2").arg(path, QString::fromStdString(read.note)));
    }
    return {ImportedFont{*read.set}, {}};
}

Source SourceOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Source::Text;  // said when it is read
    }
    const QByteArray head = file.peek(64);
    if (IsOutlineFont(head)) {
        return Source::Outline;
    }
    return IsFontData(head) || IsFontName(path) || file.size() > static_cast<qint64>(kMaxSetText)
               ? Source::Font
               : Source::Text;
}

}  // namespace zrl
