#include "table_header.h"

#include "core/formats/parsed_set.h"

namespace zrl {

namespace {

// The comment above the values: what comes before the first = or {.
std::string_view HeadOf(std::string_view text) {
    return text.substr(0, std::min(text.find_first_of("={"), text.size()));
}

// The number from `low` to `high` written just before `words`, as in "13 rows above".
std::optional<int> NumberBefore(std::string_view text, std::string_view words, int low, int high) {
    const std::size_t at = text.find(words);
    if (at == std::string_view::npos || at == 0) {
        return std::nullopt;
    }
    const std::size_t space = text.find_last_of(' ', at - 1);
    const std::size_t start = space == std::string_view::npos ? 0 : space + 1;
    const std::optional<int> number = NumberAt(text.substr(start, at - start));
    return number && *number >= low && *number <= high ? number : std::nullopt;
}

}  // namespace

std::optional<CellSize> SizeNamedBefore(std::string_view text, std::string_view words) {
    const std::size_t at = text.find(words);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t start = text.find_last_of(" \t'/#\n", at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
    return ParseCellSize(text.substr(from, at - from));
}

std::optional<int> FirstCodeOf(std::string_view text) {
    const std::size_t at = text.find("first code ");
    return at == std::string_view::npos ? std::nullopt : NumberAt(text.substr(at + 11));
}

TableHeader ReadTableHeader(std::string_view text) {
    const std::string_view head = HeadOf(text);
    TableHeader header;
    header.size = SizeNamedBefore(head, " font:");
    header.first = FirstCodeOf(head);
    header.sparse = head.find(" font: sparse,") != std::string_view::npos;
    if (const std::size_t at = head.find(", layout "); at != std::string_view::npos) {
        const std::string_view rest = head.substr(at + 9);
        header.format = rest.substr(0, rest.find_first_of(":, \r\n"));
    }
    header.ascent = NumberBefore(head, " rows above the baseline", 0, CellSize::kLargest);
    header.origin = NumberBefore(head, " column left of the cursor", 1, 1);
    if (!header.origin) {
        header.origin =
            NumberBefore(head, " columns left of the cursor", 2, CellSize::kLargest - 1);
    }
    return header;
}

bool CommentNames(std::string_view text, std::string_view format) {
    return ReadTableHeader(text).format == format;
}

std::string PlacementText(const CharacterSet& set) {
    const bool lower = set.Descent() != CharacterSet::DefaultDescent(set.Cell());
    return (lower ? ", " + std::to_string(set.Ascent()) + " rows above the baseline" : "") +
           OriginText(set.OriginColumn());
}

std::optional<int> DescentOf(const TableHeader& header, CellSize size) {
    return header.ascent ? std::optional(std::max(0, size.height - *header.ascent)) : std::nullopt;
}

CharacterSet Placed(const CharacterSet& set, const TableHeader& header) {
    if (!header.ascent && !header.origin) {
        return set;
    }
    CharacterSet placed(set.Cell(), DescentOf(header, set.Cell()));
    for (const auto& [code, character] : set.Characters()) {
        placed.Put(code, character);
    }
    placed.SetOriginColumn(header.origin.value_or(0));
    return placed;
}

std::string OriginText(int column) {
    return column == 0   ? std::string()
           : column == 1 ? std::string(", 1 column left of the cursor")
                         : ", " + std::to_string(column) + " columns left of the cursor";
}

}  // namespace zrl
