#include "basic_block.h"

#include "core/formats/format.h"
#include "core/formats/table_text.h"

namespace zrl {

namespace {

std::string SizeComment(CellSize size, ListingOrder order) {
    return ToString(size) + " characters, listed by " +
           (order == ListingOrder::ByRow ? "row" : "column");
}

// "' 8x8 characters, listed by column": the size and order of a block's characters.
std::optional<std::pair<CellSize, ListingOrder>> BasicHeader(std::string_view content) {
    if (content.empty() || content.front() != '\'') {
        return std::nullopt;
    }
    const std::string_view rest = Trimmed(content.substr(1));
    const std::size_t space = rest.find(' ');
    const std::optional<CellSize> size = ParseCellSize(rest.substr(0, space));
    if (!size || space == std::string_view::npos ||
        rest.substr(space + 1).rfind("characters", 0) != 0) {
        return std::nullopt;
    }
    const bool byColumn = rest.find("by column") != std::string_view::npos;
    return std::pair(*size, byColumn ? ListingOrder::ByColumn : ListingOrder::ByRow);
}

// A text that starts with a comment is BASIC; so is one with no array in it at all.
Certainty DetectBasic(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && text[first] == '\'') {
        return Certainty::Signed;
    }
    return text.find('{') == std::string_view::npos &&
                   text.find_first_of("=[") == std::string_view::npos
               ? Certainty::Fallback
               : Certainty::None;
}

ParsedSet Read(const Format&, std::string_view text, const ReadOptions& options) {
    return ReadBasicBlock(text, options.size);
}

std::string WriteByRow(const CharacterSet& set, const TableFormat&) {
    return WriteBasicBlock(set, ListingOrder::ByRow);
}

std::string WriteByColumn(const CharacterSet& set, const TableFormat&) {
    return WriteBasicBlock(set, ListingOrder::ByColumn);
}

}  // namespace

extern const Format kBasicRowsFormat{
    .name = "basic-rows",
    .summary = "a ' 65 A comment and Data &B lines by row for each character",
    .extensions = "bas txt",
    .output = Output::Basic,
    .detect = DetectBasic,
    .read = Read,
    .write = WriteByRow,
};

extern const Format kBasicColumnsFormat{
    .name = "basic-columns",
    .summary = "the same by column",
    .extensions = "bas txt",
    .output = Output::Basic,
    .detect = DetectBasic,
    .read = Read,
    .write = WriteByColumn,
};

std::string WriteBasicBlock(const CharacterSet& set, ListingOrder order) {
    std::string out;
    const CellSize size = set.Cell();
    out.reserve(static_cast<std::size_t>(set.Size()) *
                static_cast<std::size_t>(16 + (size.width + 10) * size.height));
    // A 5x7 block reads back by its line counts alone; other sizes say theirs.
    if (set.Cell() != kDefaultSize) {
        out += "' " + SizeComment(set.Cell(), order);
    }
    for (const auto& [code, character] : set.Characters()) {
        if (!out.empty()) {
            out += kCrLf;
        }
        out += "' " + CodeComment(code, false);
        out += kCrLf;
        out += BuildListing(GridOf(character.pattern), order);
    }
    return out;
}

ParsedSet ReadBasicBlock(std::string_view text, CellSize size) {
    CharacterSet set(size);
    ListingOrder order = ListingOrder::ByRow;
    int code = -1;
    int start = 0;
    std::string body;
    const auto finish = [&]() -> std::optional<std::string> {
        return code < 0 ? std::nullopt : PutParsed(set, code, start, body, order);
    };
    for (const SourceLine& line : LinesOf(text)) {
        const std::string_view content = Trimmed(line.text);
        if (const auto header = BasicHeader(content); header && code < 0 && set.IsEmpty()) {
            set = CharacterSet(header->first);
            order = header->second;
        } else if (!content.empty() && content.front() == '\'') {
            if (auto error = finish()) {
                return Fail(*error);
            }
            const std::optional<int> named = NumberAt(Trimmed(content.substr(1)));
            if (!named) {
                return Fail("line " + std::to_string(line.number) +
                            ": a comment names its character's code, as ' 65 A does");
            }
            code = *named;
            start = line.number;
            body.clear();
        } else if (!content.empty()) {
            if (code < 0) {
                return Fail("line " + std::to_string(line.number) +
                            ": each character starts with a comment naming its code, as ' 65 A "
                            "does");
            }
            body += std::string(content) + "\n";
        }
    }
    if (auto error = finish()) {
        return Fail(*error);
    }
    if (set.IsEmpty()) {
        return Fail("no character; a BASIC block is ' 65 A lines, each with its Data &B lines");
    }
    return {std::move(set), {}};
}

}  // namespace zrl
