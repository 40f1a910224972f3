#include "table_writer.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "core/formats/gfx_font.h"
#include "core/formats/set_export.h"
#include "core/formats/sparse_lookup.h"
#include "core/formats/ssd1306ascii_font.h"
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
        case ByteLayout::GfxFont:
        case ByteLayout::MdMax72xx:
        case ByteLayout::Ssd1306Ascii:
            break;
    }
    return {};
}

struct Range {
    int first;
    int last;
};

Range CodesOf(const CharacterSet& set, ByteLayout layout) {
    if (layout == ByteLayout::Lcd) {
        return {0, 7};
    }
    const auto& characters = set.Characters();
    return characters.empty() ? Range{0, -1}
                              : Range{characters.begin()->first, characters.rbegin()->first};
}

std::string Header(const CharacterSet& set, ByteLayout layout, Range codes) {
    const CellSize size = set.Cell();
    std::string text = ToString(size) + " font: first code " + Number(codes.first) + ", " +
                       Number(codes.last - codes.first + 1) + " characters, layout " +
                       std::string(InfoOf(layout).name) + ": ";
    if (layout == ByteLayout::MdMax72xx) {
        text +=
            "MD_MAX72XX's font, version 1: 'F', 1, the first code, the last code and the "
            "height; then for each character ";
    }
    if (layout == ByteLayout::Ssd1306Ascii) {
        return text + DescribeSsd1306Ascii(set);
    }
    if (IsPrefixed(layout)) {
        return text + "a byte with its width w, then w columns from the left of " +
               Number((size.height + 7) / 8) + " bytes each, bit 0 the top row of each eight";
    }
    const std::string bytes = Number(FixedBytes(size, layout));
    return text + bytes + " bytes each, " + Described(layout, size) +
           "; a character's bytes start at (code - " + Number(codes.first) + ") * " + bytes;
}

// The comment of a sparse table: no first code, the lookup instead.
std::string SparseHeader(const CharacterSet& set, const TableFormat& format,
                         std::string_view name) {
    const CellSize size = set.Cell();
    std::string text = ToString(size) + " font: sparse, " + Number(set.Size()) +
                       " characters, layout " + std::string(InfoOf(format.layout).name) + ": ";
    const std::string index = std::string(name) + "_index(code)";
    if (format.layout == ByteLayout::WidthPrefixed) {
        text += "each a byte with its width w, then w columns from the left of " +
                Number((size.height + 7) / 8) +
                " bytes each, bit 0 the top row of each eight; skip " + index +
                " characters to reach one";
    } else {
        const std::string bytes = Number(FixedBytes(size, format.layout));
        text += bytes + " bytes each, " + Described(format.layout, size) +
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

struct Syntax {
    std::string_view comment;
    std::string_view open;
    std::string_view close;
};

Syntax SyntaxOf(Language language) {
    return language == Language::Python ? Syntax{"# ", "[", "]"} : Syntax{"// ", "{", "}"};
}

std::string Declaration(const TableFormat& format, std::string_view name) {
    if (format.layout == ByteLayout::MdMax72xx && format.language == Language::Arduino) {
        return "const MD_MAX72XX::fontType_t " + std::string(name) + "[] PROGMEM = {";
    }
    const std::string dimensions = format.layout != ByteLayout::Lcd ? "[]"
                                   : format.sparse                  ? "[][8]"
                                                                    : "[8][8]";
    switch (format.language) {
        case Language::C:
            return "static const unsigned char " + std::string(name) + dimensions + " = {";
        case Language::Arduino:
            return "const uint8_t " + std::string(name) + dimensions + " PROGMEM = {";
        case Language::Python:
            break;
    }
    return std::string(name) + " = [";
}

void AppendCharacter(std::string& out, const CharacterSet& set, int code,
                     const TableFormat& format) {
    const SetCharacter* found = set.Find(code);
    const Syntax syntax = SyntaxOf(format.language);
    const bool nested = format.layout == ByteLayout::Lcd;
    // Width-prefixed: every column to the last lit one, and the advance in the comment
    // where it is not the next column.
    const int columns = found != nullptr ? InkedWidth(*found) : 0;
    const std::vector<std::uint8_t> bytes =
        found != nullptr ? CharacterBytes(found->pattern, columns, format.layout)
                         : CharacterBytes(Pattern(set.Cell()), 0, format.layout);
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
    if (IsPrefixed(format.layout) && found != nullptr && columns != found->width) {
        out += " " + std::string(kAdvance) + Number(found->width + 1) + ")";
    }
    out += kCrLf;
}

// The set a table holds: a set with codes both up to 255 and past them is cut to those up
// to 255, unless it is written whole or sparse.
std::optional<CharacterSet> Cut(const CharacterSet& whole, const TableFormat& format) {
    return format.whole || format.sparse ? std::nullopt : TableSubset(whole);
}

std::string Closing(Language language) {
    return std::string(language == Language::Python ? "]" : "};") + std::string(kCrLf);
}

std::string WriteSparse(const CharacterSet& set, const TableFormat& format, std::string_view name) {
    const Syntax syntax = SyntaxOf(format.language);
    std::string out = std::string(syntax.comment) + SparseHeader(set, format, name);
    out += kCrLf;
    if (format.language == Language::C) {
        out += "#include <stdint.h>";
        out += kCrLf;
    }
    out += Declaration(format, name);
    out += kCrLf;
    std::vector<int> codes;
    for (const auto& [code, character] : set.Characters()) {
        AppendCharacter(out, set, code, format);
        codes.push_back(code);
    }
    out += Closing(format.language);
    out += kCrLf;
    return out + WriteLookup(name, codes, format.language);
}

std::string WriteDense(const CharacterSet& set, const TableFormat& format,
                       const std::string& name) {
    if (format.layout == ByteLayout::GfxFont) {
        return WriteGfxFont(set, name);
    }
    if (format.language == Language::C && format.layout == ByteLayout::Glcd) {
        return WriteCFontTable(set, name);
    }
    if (format.language == Language::C && format.layout == ByteLayout::Lcd) {
        return WriteLcdTable(set, name);
    }
    const Range codes = CodesOf(set, format.layout);
    const Syntax syntax = SyntaxOf(format.language);
    std::string out;
    out.reserve(static_cast<std::size_t>(codes.last - codes.first + 2) *
                static_cast<std::size_t>(24 + 6 * FixedBytes(set.Cell(), ByteLayout::Glcd)));
    out += std::string(syntax.comment) + Header(set, format.layout, codes);
    out += kCrLf;
    out += Declaration(format, name);
    out += kCrLf;
    if (format.layout == ByteLayout::MdMax72xx) {
        const std::uint8_t header[] = {'F', 1, static_cast<std::uint8_t>(codes.first),
                                       static_cast<std::uint8_t>(codes.last),
                                       static_cast<std::uint8_t>(set.Cell().height)};
        out += "    ";
        AppendHexBytes(out, header);
        out += ",  " + std::string(syntax.comment) + "'F', version 1, codes " +
               Number(codes.first) + " to " + Number(codes.last) + ", " +
               Number(set.Cell().height) + " rows";
        out += kCrLf;
    }
    if (format.layout == ByteLayout::Ssd1306Ascii) {
        out += Ssd1306AsciiLines(set, syntax.comment);
    } else {
        for (int code = codes.first; code <= codes.last; ++code) {
            AppendCharacter(out, set, code, format);
        }
    }
    out += Closing(format.language);
    if (format.layout == ByteLayout::Lcd && format.language == Language::Arduino) {
        out += WriteCreateChars(name);
    }
    return out;
}

// MD_MAX72XX's fonts (version 1) are a column byte high, with 8-bit codes from the first to
// the last.
std::string WhyNotMdMax72xx(const CharacterSet& whole, const TableFormat& format) {
    if (format.layout != ByteLayout::MdMax72xx) {
        return {};
    }
    if (whole.Cell().height > 8) {
        return "MD_MAX72XX's fonts are at most 8 rows high; the set's are " +
               Number(whole.Cell().height);
    }
    if (format.sparse) {
        return "MD_MAX72XX's fonts run from their first code to their last: they are never sparse";
    }
    const std::optional<CharacterSet> subset = Cut(whole, format);
    const auto& written = subset ? subset->Characters() : whole.Characters();
    if (!written.empty() && written.rbegin()->first > kLastCode) {
        return "MD_MAX72XX's fonts hold codes 0 to 255; " + CodePointText(written.rbegin()->first) +
               " is past them";
    }
    return {};
}

// SSD1306Ascii's fonts, like MD_MAX72XX's, run densely over 8-bit codes.
std::string WhyNotSsd1306Ascii(const CharacterSet& whole, const TableFormat& format) {
    if (format.layout != ByteLayout::Ssd1306Ascii) {
        return {};
    }
    if (format.sparse) {
        return "SSD1306Ascii's fonts run from their first code to their last: they are never "
               "sparse";
    }
    const std::optional<CharacterSet> subset = Cut(whole, format);
    return WhyNotSsd1306Ascii(subset ? *subset : whole);
}

}  // namespace

std::string_view DefaultArrayName(ByteLayout layout) {
    return layout == ByteLayout::Lcd ? "lcd" : "font";
}

bool IsIdentifier(std::string_view name) {
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    return !name.empty() && letter(name.front()) &&
           std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::string WhyNotWritten(const CharacterSet& set, const TableFormat& format) {
    if (format.layout == ByteLayout::Lcd) {
        if (std::string why = WhyNotWritten(set, SetFormat::LcdCharacters); !why.empty()) {
            return why;
        }
    }
    if (format.layout == ByteLayout::GfxFont && format.language == Language::Python) {
        return "a GFXfont is C only";
    }
    if (const std::string why = WhyNotMdMax72xx(set, format); !why.empty()) {
        return why;
    }
    if (const std::string why = WhyNotSsd1306Ascii(set, format); !why.empty()) {
        return why;
    }
    // A GFXfont's first and last codes are 16 bits.
    const auto& characters = set.Characters();
    if (format.layout == ByteLayout::GfxFont && !TableSubset(set) && !characters.empty() &&
        characters.rbegin()->first > 0xFFFF) {
        const auto past = characters.upper_bound(0xFFFF);
        return "a GFXfont holds codes up to U+FFFF; " + CodePointText(past->first) +
               " is past them";
    }
    if (format.layout == ByteLayout::GfxFont && format.sparse) {
        return "a GFXfont is never sparse: its glyphs run from its first code to its last";
    }
    if (const std::optional<CharacterSet> subset = Cut(set, format);
        !format.sparse && format.layout != ByteLayout::Lcd) {
        const auto& written = subset ? subset->Characters() : characters;
        constexpr long long kMostCodes = 65536;
        if (!written.empty() && written.rbegin()->first - written.begin()->first >= kMostCodes) {
            return "a dense table from " + CodePointText(written.begin()->first) + " to " +
                   CodePointText(written.rbegin()->first) + " would run over " +
                   WithThousands(kMostCodes) +
                   " codes; choose fewer characters, or write a sparse table";
        }
    }
    if (!format.name.empty() && !IsIdentifier(format.name)) {
        return "\"" + format.name + "\" is no array name; use letters, digits and _";
    }
    return {};
}

std::string WriteTable(const CharacterSet& whole, const TableFormat& format) {
    const std::optional<CharacterSet> subset = Cut(whole, format);
    const CharacterSet& set = subset ? *subset : whole;
    const std::string name =
        format.name.empty() ? std::string(DefaultArrayName(format.layout)) : format.name;
    std::string out =
        format.sparse ? WriteSparse(set, format, name) : WriteDense(set, format, name);
    if (!format.moved.empty()) {
        const std::string line = std::string(SyntaxOf(format.language).comment) + format.moved;
        out.insert(out.find(kCrLf) + kCrLf.size(), line + std::string(kCrLf));
    }
    return out;
}

Gaps GapsOf(const CharacterSet& whole, const TableFormat& format) {
    const std::optional<CharacterSet> subset = Cut(whole, format);
    const CharacterSet& set = subset ? *subset : whole;
    if (format.sparse || format.layout == ByteLayout::Lcd || set.IsEmpty()) {
        return {};
    }
    const Range codes = CodesOf(set, format.layout);
    const long long blanks = static_cast<long long>(codes.last) - codes.first + 1 - set.Size();
    constexpr int kGlyphBytes = 7;  // a GFXglyph: a 16-bit offset and five bytes
    const bool widths =
        IsPrefixed(format.layout) || (format.layout == ByteLayout::Ssd1306Ascii &&
                                      SpacingOf(set) == Ssd1306AsciiSpacing::Proportional);
    const int each = format.layout == ByteLayout::GfxFont ? kGlyphBytes
                     : widths                             ? 1
                                                          : FixedBytes(set.Cell(), format.layout);
    return {blanks, blanks * each};
}

std::string DescribeGfxPastByte(const CharacterSet& whole, const TableFormat& format) {
    const std::optional<CharacterSet> subset = Cut(whole, format);
    const CharacterSet& set = subset ? *subset : whole;
    const auto& characters = set.Characters();
    const auto past = characters.upper_bound(kLastCode);
    if (format.layout != ByteLayout::GfxFont || past == characters.end()) {
        return {};
    }
    // The run of codes from the first past 255, as many as fit at the top of the 8 bits.
    int last = past->first;
    constexpr int kTop = 128;
    for (auto it = std::next(past);
         it != characters.end() && it->first == last + 1 && last + 1 - past->first < kTop; ++it) {
        last = it->first;
    }
    const int to = kLastCode + 1 - (last - past->first + 1);
    char map[48];
    std::snprintf(map, sizeof map, "$%X-$%X>$%X", static_cast<unsigned>(past->first),
                  static_cast<unsigned>(last), static_cast<unsigned>(to));
    return "Adafruit GFX draws codes 0 to 255 only, and " + CodePointText(past->first) +
           " is past them; a map such as " + map + " moves characters below 256";
}

}  // namespace zrl
