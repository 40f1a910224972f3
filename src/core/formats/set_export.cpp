#include "set_export.h"

#include <iterator>

#include "core/formats/bdf_font.h"
#include "core/formats/byte_layout.h"
#include "core/text/c_initializer.h"
#include "core/text/data_listing.h"

namespace zrl {

namespace {

// The column bytes a C font table holds, straight from the pattern: a table of large
// characters is written without a grid for each.
void AppendColumnBytes(std::string& out, const Pattern& pattern) {
    AppendHexBytes(out, CharacterBytes(pattern, pattern.Size().width, ByteLayout::Glcd));
}

constexpr TextForm kTextForms[] = {
    {"bdf", SetFormat::Bdf, ListingOrder::ByRow, "the set's own BDF font"},
    {"basic-rows", SetFormat::BasicBlock, ListingOrder::ByRow,
     "a ' 65 A comment and Data &B lines by row for each character"},
    {"basic-columns", SetFormat::BasicBlock, ListingOrder::ByColumn, "the same by column"},
};

}  // namespace

std::span<const TextForm> TextForms() {
    return kTextForms;
}

std::string LineComment(int code, bool present) {
    return present ? CodeComment(code, true)
                   : std::to_string(code) + " " + std::string(kNoCharacter);
}

void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += i == 0 ? "0x" : ", 0x";
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 0xF];
    }
}

std::string CodeComment(int code, bool quoted) {
    std::string comment = std::to_string(code);
    if (code >= 32 && code <= 126) {
        const std::string character(1, static_cast<char>(code));
        comment += quoted ? " '" + character + "'" : code == 32 ? " space" : " " + character;
    }
    return comment;
}

std::string SizeComment(CellSize size, ListingOrder order) {
    return ToString(size) + " characters, listed by " +
           (order == ListingOrder::ByRow ? "row" : "column");
}

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

std::string WriteCFontTable(const CharacterSet& set, std::string_view name) {
    const auto& characters = set.Characters();
    const int first = characters.empty() ? 0 : characters.begin()->first;
    const int last = characters.empty() ? -1 : characters.rbegin()->first;
    const CellSize size = set.Cell();
    const std::string bytes = std::to_string(ColumnBytes(size));
    const std::string layout =
        size.height <= 8 ? "one per column from the left, bit 0 the top row"
                         : std::to_string(ColumnBytes(size) / size.width) +
                               " per column from the left, the first with the top eight rows, "
                               "bit 0 the top row of each eight";
    std::string out = "// " + ToString(size) + " font: first code " + std::to_string(first) + ", " +
                      std::to_string(last - first + 1) + " characters, " + bytes +
                      " bytes each: " + layout + "; a character's bytes start at (code - " +
                      std::to_string(first) + ") * " + bytes;
    out += kCrLf;
    out += "static const unsigned char " + std::string(name) + "[] = {";
    out += kCrLf;
    for (int code = first; code <= last; ++code) {
        const SetCharacter* found = set.Find(code);
        out += "    ";
        AppendColumnBytes(out, found != nullptr ? found->pattern : Pattern(set.Cell()));
        out += ",  // ";
        out += LineComment(code, found != nullptr);
        out += kCrLf;
    }
    out += "};";
    out += kCrLf;
    return out;
}

std::string LcdComment(CellSize size) {
    std::string comment = size == kDefaultSize ? "// " : "// " + ToString(size) + " ";
    comment += "LCD custom characters 0 to 7: 8 rows each from the top, bit " +
               std::to_string(size.width - 1) + " the left column";
    if (size.height == kLcdRows - 1) {
        comment += ", the 8th row empty";
    } else if (size.height < kLcdRows - 1) {
        comment += ", rows " + std::to_string(size.height + 1) + " to 8 empty";
    }
    return comment;
}

std::string WriteLcdTable(const CharacterSet& set, std::string_view name) {
    std::string out = LcdComment(set.Cell());
    out += kCrLf;
    out += "static const unsigned char " + std::string(name) + "[8][8] = {";
    out += kCrLf;
    for (int code = 0; code < 8; ++code) {
        const SetCharacter* found = set.Find(code);
        out += "    " + BuildCRows(GridOf(found ? found->pattern : Pattern(set.Cell()))) +
               ",  // " + std::to_string(code);
        if (found == nullptr) {
            out += ' ';
            out += kNoCharacter;
        }
        out += kCrLf;
    }
    out += "};";
    out += kCrLf;
    return out;
}

std::string WhyNotWritten(const CharacterSet& set, SetFormat format) {
    if (format == SetFormat::LcdCharacters && !FitsLcd(set.Cell())) {
        return "an LCD's custom characters are at most 8x8; the set's are " + ToString(set.Cell());
    }
    return {};
}

std::optional<CharacterSet> TableSubset(const CharacterSet& set) {
    const auto& characters = set.Characters();
    if (characters.empty() || characters.begin()->first > kLastCode ||
        characters.rbegin()->first <= kLastCode) {
        return std::nullopt;
    }
    CharacterSet subset = set.Emptied();
    for (auto it = characters.begin(); it != characters.end() && it->first <= kLastCode; ++it) {
        subset.Put(it->first, it->second);
    }
    return subset;
}

int CharactersWritten(const CharacterSet& set, SetFormat format) {
    if (format == SetFormat::LcdCharacters) {
        const auto& characters = set.Characters();
        return static_cast<int>(std::distance(characters.begin(), characters.upper_bound(7)));
    }
    const std::optional<CharacterSet> subset =
        format != SetFormat::Bdf ? TableSubset(set) : std::nullopt;
    return subset ? subset->Size() : set.Size();
}

std::string DescribeTableLeftOut(const CharacterSet& set, SetFormat format) {
    const int past = set.Size() - CharactersWritten(set, format);
    if (past == 0) {
        return {};
    }
    const std::string count = std::to_string(past) + (past == 1 ? " character" : " characters");
    return format == SetFormat::LcdCharacters
               ? "left out " + count + " past code 7; an LCD has custom characters 0 to 7 only"
               : "left out " + count + " past code 255; the table holds codes 0 to 255";
}

std::string WriteSet(const CharacterSet& whole, SetFormat format, ListingOrder order,
                     std::string_view name) {
    const std::optional<CharacterSet> subset =
        format != SetFormat::Bdf ? TableSubset(whole) : std::nullopt;
    const CharacterSet& set = subset ? *subset : whole;
    switch (format) {
        case SetFormat::BasicBlock:
            return WriteBasicBlock(set, order);
        case SetFormat::CFontTable:
            return WriteCFontTable(set, name.empty() ? "font" : name);
        case SetFormat::LcdCharacters:
            return WriteLcdTable(set, name.empty() ? "lcd" : name);
        case SetFormat::Bdf:
            break;
    }
    return WriteBdf(set);
}

}  // namespace zrl
