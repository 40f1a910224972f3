// MD_MAX72XX's fonts (version 1): 'F', 1, the first code, the last code and the height,
// then each character from the first code to the last as its width and its columns, a byte
// high, bit 0 the top row. Without the header, the library's version 0: codes 0 to 255, 8
// rows.
#include <algorithm>

#include "core/formats/format.h"
#include "core/formats/table_reader.h"
#include "core/formats/table_writer.h"
#include "core/text/code_text.h"

namespace zrl {

namespace {

constexpr std::string_view kName = "md-max72xx";

Certainty Detect(std::string_view text) {
    if (CommentNames(text, kName)) {
        return Certainty::Named;
    }
    return text.find('{') != std::string_view::npos &&
                   text.find("MD_MAX72XX::fontType_t") != std::string_view::npos
               ? Certainty::Likely
               : Certainty::None;
}

// The header taken off the values into the table's first code and cell, whose width is the
// widest character's unless the comment says it.
std::string TakeHeader(std::vector<ScannedValue>& values, TableHeader& header, CellSize& size) {
    int height = 8;
    header.first = header.first.value_or(0);
    if (values.size() >= 5 && values[0].number == 'F' && values[1].number == 1) {
        header.first = static_cast<int>(values[2].number);
        height = static_cast<int>(values[4].number);
        values.erase(values.begin(), values.begin() + 5);
    }
    if (height < 1 || height > 8) {
        return "line " + std::to_string(values.empty() ? 0 : values[0].line) +
               ": MD_MAX72XX's header gives a height of " + std::to_string(height) +
               "; its fonts are 1 to 8 rows high";
    }
    int widest = 1;
    for (std::size_t at = 0; at < values.size();
         at += static_cast<std::size_t>(values[at].number) + 1) {
        widest = std::max(widest, static_cast<int>(values[at].number));
    }
    size = {header.size ? header.size->width : std::min(widest, CellSize::kLargest), height};
    return {};
}

ParsedSet Read(const Format& format, std::string_view text, const ReadOptions& options) {
    if (!options.told) {
        return ReadTable(text, {format, options.size, options.first.value_or(0)});
    }
    const ValueScanner scanner(text);
    TableStart start = StartOfTable(scanner, text, options.size);
    TableBytes bytes = BytesOfTable(scanner);
    if (!bytes.error.empty()) {
        return Fail(bytes.error);
    }
    if (const std::string error = TakeHeader(bytes.array.values, start.header, start.size);
        !error.empty()) {
        return Fail(error);
    }
    return ReadBytes(scanner, start, bytes, ByteLayout::WidthPrefixed, options.first.value_or(32));
}

// A column byte high, with 8-bit codes from the first to the last.
std::string WhyNot(const CharacterSet& set, const TableFormat& format) {
    if (set.Cell().height > 8) {
        return "MD_MAX72XX's fonts are at most 8 rows high; the set's are " +
               std::to_string(set.Cell().height) + ": width-prefixed holds taller ones";
    }
    if (format.sparse) {
        return "MD_MAX72XX's fonts run from their first code to their last: they are never sparse";
    }
    const std::optional<CharacterSet> subset = format.whole ? std::nullopt : TableSubset(set);
    const auto& written = subset ? subset->Characters() : set.Characters();
    if (!written.empty() && written.rbegin()->first > kLastCode) {
        return "MD_MAX72XX's fonts hold codes 0 to 255; " + CodePointText(written.rbegin()->first) +
               " is past them";
    }
    return WhyNotDense(set, format);
}

std::string Write(const CharacterSet& set, const TableFormat& format) {
    const std::string name =
        format.name.empty() ? std::string(format.format->arrayName) : format.name;
    const CodeRange codes = CodesOf(set);
    const std::string_view comment = SyntaxOf(format.language).comment;
    const int height = set.Cell().height;
    std::string out = std::string(comment) + CommentStart(set, kName, codes) +
                      "MD_MAX72XX's font, version 1: 'F', 1, the first code, the last code and "
                      "the height; then for each character a byte with its width w, then w "
                      "columns from the left of " +
                      std::to_string((height + 7) / 8) +
                      " bytes each, bit 0 the top row of each eight";
    out += kCrLf;
    out += format.language == Language::Arduino
               ? "const MD_MAX72XX::fontType_t " + name + "[] PROGMEM = {"
               : Declaration(format.language, name);
    out += kCrLf;
    const std::uint8_t header[] = {'F', 1, static_cast<std::uint8_t>(codes.first),
                                   static_cast<std::uint8_t>(codes.last),
                                   static_cast<std::uint8_t>(height)};
    out += "    ";
    AppendHexBytes(out, header);
    out += ",  " + std::string(comment) + "'F', version 1, codes " + std::to_string(codes.first) +
           " to " + std::to_string(codes.last) + ", " + std::to_string(height) + " rows";
    out += kCrLf;
    for (int code = codes.first; code <= codes.last; ++code) {
        AppendCharacter(out, set, code, ByteLayout::WidthPrefixed, format.language);
    }
    return out + Closing(format.language);
}

// A blank character is its width byte alone.
Gaps GapsIn(const CharacterSet& set, const TableFormat&) {
    const CodeRange codes = CodesOf(set);
    const long long blanks = static_cast<long long>(codes.last) - codes.first + 1 - set.Size();
    return {blanks, blanks};
}

}  // namespace

extern const Format kMdMax72xxFormat{
    .name = kName,
    .summary = "MD_MAX72XX's font: its header, then width-prefixed columns, up to 8 rows",
    .extensions = "h hpp c ino py txt",
    .output = Output::Source,
    .options = kTakesLanguage | kTakesName | kReadsAsTold,
    .limits = {.lastCode = kLastCode,
               .largest = {CellSize::kLargest, 8},
               .widths = true,
               .dense = true},
    .detect = Detect,
    .read = Read,
    .whyNot = WhyNot,
    .write = Write,
    .gaps = GapsIn,
};

}  // namespace zrl
