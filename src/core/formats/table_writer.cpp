#include "table_writer.h"

#include <algorithm>
#include <span>

#include "core/formats/classic_tables.h"
#include "core/formats/sparse_lookup.h"
#include "core/formats/table_header.h"
#include "core/text/code_map.h"
#include "core/text/code_text.h"

namespace zrl {

namespace {

std::string Number(int value) {
    return std::to_string(value);
}

// What the comment says of a layout's bytes, after "N bytes each".
std::string Described(ByteLayout layout, CellSize size) {
    const std::string bands = Number((size.height + 7) / 8);
    const std::string spans = Number((size.width + 7) / 8);
    switch (layout) {
        case ByteLayout::Glcd:
            return bands + " per column from the left, bit 0 the top row of each eight";
        case ByteLayout::Pages:
            return Number(size.width) +
                   " per band of eight rows from the top, one per column from the left, bit 0 "
                   "the top row of the band";
        case ByteLayout::RowsMsb:
            return spans + " per row from the top, bit 7 the left column of each eight";
        case ByteLayout::RowsLsb:
            return spans + " per row from the top, bit 0 the left column of each eight";
        case ByteLayout::Lcd:
            return "one per row from the top, bit " + Number(size.width - 1) +
                   " the left column, rows below the cell empty";
        case ByteLayout::WidthPrefixed:
            break;
    }
    return {};
}

CodeRange CodesIn(const CharacterSet& set, ByteLayout layout) {
    return layout == ByteLayout::Lcd ? CodeRange{0, 7} : CodesOf(set);
}

// "a byte with its width w, then w columns from the left of 2 bytes each, ...".
std::string PrefixedBytes(CellSize size) {
    return "a byte with its width w, then w columns from the left of " +
           Number((size.height + 7) / 8) + " bytes each, bit 0 the top row of each eight";
}

std::string Header(const CharacterSet& set, ByteLayout layout, CodeRange codes) {
    const CellSize size = set.Cell();
    const std::string text = CommentStart(set, InfoOf(layout).name, codes);
    if (IsPrefixed(layout)) {
        return text + PrefixedBytes(size);
    }
    const std::string bytes = Number(FixedBytes(size, layout));
    return text + bytes + " bytes each, " + Described(layout, size) +
           "; a character's bytes start at (code - " + Number(codes.first) + ") * " + bytes;
}

// The comment of a sparse table: no first code, the lookup instead.
std::string SparseHeader(const CharacterSet& set, const TableFormat& format,
                         std::string_view name) {
    const CellSize size = set.Cell();
    const ByteLayout layout = *format.format->layout;
    std::string text = ToString(size) + " font: sparse, " + Counted(set.Size(), "character") +
                       ", layout " + std::string(InfoOf(layout).name) + PlacementText(set) + ": ";
    const std::string index = std::string(name) + "_index(code)";
    if (layout == ByteLayout::WidthPrefixed) {
        text += "each " + PrefixedBytes(size) + "; skip " + index + " characters to reach one";
    } else {
        const std::string bytes = Number(FixedBytes(size, layout));
        text += bytes + " bytes each, " + Described(layout, size) +
                "; a character's bytes start at " + index + " * " + bytes;
    }
    return text + DescribeLookup(name, format.language);
}

// LCD rows in binary, a digit for each of the cell's columns: 0b01110.
void AppendBinaryBytes(std::string& out, std::span<const std::uint8_t> bytes, int width) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += i == 0 ? "0b" : ", 0b";
        for (int bit = width - 1; bit >= 0; --bit) {
            out += ((bytes[i] >> bit) & 1u) != 0 ? '1' : '0';
        }
    }
}

std::string Dimensions(const TableFormat& format) {
    return format.format->layout != ByteLayout::Lcd ? "[]" : format.sparse ? "[][8]" : "[8][8]";
}

// Whether the format writes firmware source, which holds codes up to 255 of a set that has
// codes past them too, unless it is written whole or sparse.
bool IsCut(const TableFormat& format) {
    const Output output = format.format->output;
    return (output == Output::Source || output == Output::Basic) && !format.whole && !format.sparse;
}

// The set a table holds: cut, or none where it is the set itself.
std::optional<CharacterSet> Cut(const CharacterSet& whole, const TableFormat& format) {
    return IsCut(format) ? TableSubset(whole) : std::nullopt;
}

std::string WriteSparse(const CharacterSet& set, const TableFormat& format, std::string_view name) {
    const Syntax syntax = SyntaxOf(format.language);
    std::string out = std::string(syntax.comment) + SparseHeader(set, format, name);
    out += kCrLf;
    if (format.language == Language::C) {
        out += "#include <stdint.h>";
        out += kCrLf;
    }
    out += Declaration(format.language, name, Dimensions(format));
    out += kCrLf;
    std::vector<int> codes;
    for (const auto& [code, character] : set.Characters()) {
        AppendCharacter(out, set, code, *format.format->layout, format.language);
        codes.push_back(code);
    }
    out += Closing(format.language);
    out += kCrLf;
    return out + WriteLookup(name, codes, format.language);
}

std::string WriteDense(const CharacterSet& set, const TableFormat& format,
                       const std::string& name) {
    const ByteLayout layout = *format.format->layout;
    if (format.language == Language::C && layout == ByteLayout::Glcd) {
        return WriteCFontTable(set, name);
    }
    if (format.language == Language::C && layout == ByteLayout::Lcd) {
        return WriteLcdTable(set, name);
    }
    const CodeRange codes = CodesIn(set, layout);
    const Syntax syntax = SyntaxOf(format.language);
    std::string out;
    out.reserve(static_cast<std::size_t>(codes.last - codes.first + 2) *
                static_cast<std::size_t>(24 + 6 * FixedBytes(set.Cell(), ByteLayout::Glcd)));
    out += std::string(syntax.comment) + Header(set, layout, codes);
    out += kCrLf;
    out += Declaration(format.language, name, Dimensions(format));
    out += kCrLf;
    for (int code = codes.first; code <= codes.last; ++code) {
        AppendCharacter(out, set, code, layout, format.language);
    }
    out += Closing(format.language);
    if (layout == ByteLayout::Lcd && format.language == Language::Arduino) {
        out += WriteCreateChars(name);
    }
    return out;
}

}  // namespace

std::string CommentStart(const CharacterSet& set, std::string_view layout, CodeRange codes) {
    return ToString(set.Cell()) + " font: first code " + Number(codes.first) + ", " +
           Counted(codes.last - codes.first + 1, "character") + ", layout " + std::string(layout) +
           PlacementText(set) + ": ";
}

std::string Declaration(Language language, std::string_view name, std::string_view dimensions) {
    switch (language) {
        case Language::C:
            return "static const unsigned char " + std::string(name) + std::string(dimensions) +
                   " = {";
        case Language::Arduino:
            return "const uint8_t " + std::string(name) + std::string(dimensions) + " PROGMEM = {";
        case Language::Python:
            break;
    }
    return std::string(name) + " = [";
}

void AppendCharacter(std::string& out, const CharacterSet& set, int code, ByteLayout layout,
                     Language language) {
    const SetCharacter* found = set.Find(code);
    const Syntax syntax = SyntaxOf(language);
    const bool nested = layout == ByteLayout::Lcd;
    // Width-prefixed: every column to the last lit one, and the advance in the comment
    // where it is not the next column.
    const int columns = found != nullptr ? InkedWidth(*found) : 0;
    const std::vector<std::uint8_t> bytes = found != nullptr
                                                ? CharacterBytes(found->pattern, columns, layout)
                                                : CharacterBytes(Pattern(set.Cell()), 0, layout);
    out += "    ";
    out += nested ? syntax.open : "";
    if (nested) {
        AppendBinaryBytes(out, bytes, set.Cell().width);
    } else {
        AppendHexBytes(out, bytes);
    }
    out += nested ? syntax.close : "";
    out += ",  ";
    out += syntax.comment;
    out += LineComment(code, found != nullptr);
    if (IsPrefixed(layout) && found != nullptr && columns != found->width) {
        out += " " + std::string(kAdvance) + Number(found->width + 1) + ")";
    }
    out += kCrLf;
}

std::string WhyNotDense(const CharacterSet& whole, const TableFormat& format) {
    if (format.sparse) {
        return {};
    }
    const std::optional<CharacterSet> subset = Cut(whole, format);
    const auto& written = subset ? subset->Characters() : whole.Characters();
    constexpr long long kMostCodes = 65536;
    if (!written.empty() && written.rbegin()->first - written.begin()->first >= kMostCodes) {
        return "a dense table from " + CodePointText(written.begin()->first) + " to " +
               CodePointText(written.rbegin()->first) + " would run over " +
               WithThousands(kMostCodes) +
               " codes; choose fewer characters, or write a sparse table";
    }
    return {};
}

std::string WhyNotLaid(const CharacterSet& set, const TableFormat& format) {
    if (format.format->layout == ByteLayout::Lcd) {
        return WhyNotLcd(set);
    }
    return WhyNotDense(set, format);
}

std::string WriteLaid(const CharacterSet& set, const TableFormat& format) {
    const std::string name =
        format.name.empty() ? std::string(format.format->arrayName) : format.name;
    return format.sparse ? WriteSparse(set, format, name) : WriteDense(set, format, name);
}

Gaps LaidGaps(const CharacterSet& set, const TableFormat& format) {
    const ByteLayout layout = *format.format->layout;
    if (layout == ByteLayout::Lcd) {
        return {};
    }
    const CodeRange codes = CodesOf(set);
    const long long blanks = static_cast<long long>(codes.last) - codes.first + 1 - set.Size();
    return {blanks, blanks * (IsPrefixed(layout) ? 1 : FixedBytes(set.Cell(), layout))};
}

std::string WhyNotWritten(const CharacterSet& set, const TableFormat& format) {
    const Format& written = *format.format;
    // A table of no character is no table a compiler takes, nor a library reads.
    if (const std::optional<CharacterSet> subset = Cut(set, format);
        written.output == Output::Source && (subset ? *subset : set).IsEmpty()) {
        return "the set has no character to write; a table of none is no table";
    }
    if (written.whyNot != nullptr) {
        if (std::string why = written.whyNot(set, format); !why.empty()) {
            return why;
        }
    }
    if (written.Takes(kTakesName) && !format.name.empty()) {
        return WhyNotName(format.name, format.language);
    }
    return {};
}

std::string WriteTable(const CharacterSet& whole, const TableFormat& format) {
    const std::optional<CharacterSet> subset = Cut(whole, format);
    std::string out = format.format->write(subset ? *subset : whole, format);
    if (!format.moved.empty()) {
        const std::string line = std::string(SyntaxOf(format.language).comment) + format.moved;
        out.insert(out.find(kCrLf) + kCrLf.size(), line + std::string(kCrLf));
    }
    return out;
}

Gaps GapsOf(const CharacterSet& whole, const TableFormat& format) {
    const std::optional<CharacterSet> subset = Cut(whole, format);
    const CharacterSet& set = subset ? *subset : whole;
    if (format.sparse || set.IsEmpty() || format.format->gaps == nullptr) {
        return {};
    }
    return format.format->gaps(set, format);
}

std::string WarningOf(const CharacterSet& whole, const TableFormat& format) {
    if (format.format->warning == nullptr) {
        return {};
    }
    const std::optional<CharacterSet> subset = Cut(whole, format);
    return format.format->warning(subset ? *subset : whole, format);
}

std::string AboutOf(const CharacterSet& whole, const TableFormat& format) {
    if (format.format->about == nullptr) {
        return {};
    }
    const std::optional<CharacterSet> subset = Cut(whole, format);
    return format.format->about(subset ? *subset : whole, format);
}

}  // namespace zrl
