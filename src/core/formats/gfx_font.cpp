#include "gfx_font.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <variant>

#include "core/formats/table_header.h"
#include "core/formats/table_writer.h"
#include "core/text/code_text.h"
#include "core/text/value_scanner.h"

namespace zrl {

namespace {

// The box of a character's lit dots, in cell rows and columns; empty when none is lit.
struct Box {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

Box InkOf(const Pattern& pattern) {
    const CellSize size = pattern.Size();
    int top = size.height, bottom = -1, left = size.width, right = -1;
    // Each row from both ends to its first lit dot: few probes, whatever the dots are.
    for (int row = 0; row < size.height; ++row) {
        int first = 0;
        while (first < size.width && !pattern.Lit(row, first)) {
            ++first;
        }
        if (first == size.width) {
            continue;
        }
        int last = size.width - 1;
        while (!pattern.Lit(row, last)) {
            --last;
        }
        top = std::min(top, row);
        bottom = row;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return bottom < 0 ? Box{} : Box{top, left, right - left + 1, bottom - top + 1};
}

std::vector<std::uint8_t> BitsOf(const Pattern& pattern, const Box& box) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>((box.width * box.height + 7) / 8));
    int bit = 0;
    for (int row = box.top; row < box.top + box.height; ++row) {
        for (int column = box.left; column < box.left + box.width; ++column, ++bit) {
            bytes[static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(unsigned{pattern.Lit(row, column)} << (7 - bit % 8));
        }
    }
    return bytes;
}

// The row a glyph's yOffset counts from. A set with a line height of its own came from an
// outline font, and stands as FreeType puts glyphs on the cursor: the cursor on the row just
// above the baseline. Other sets have the cursor on the first row below it, as tables have
// always been written here.
int CursorRow(const CharacterSet& set) {
    return set.LineHeight() > 0 ? set.Ascent() - 1 : set.Ascent();
}

std::string Comment(int code, const SetCharacter* found) {
    return "  // " + LineComment(code, found != nullptr);
}

// A glyph's entry but its bitmap's offset: its ink's box, advance and offsets from the cursor.
struct Fields {
    Box box;
    int advance = 0;
    int xOffset = 0;
    int yOffset = 0;
};

Fields FieldsOf(const CharacterSet& set, const SetCharacter* found) {
    Fields fields;
    if (found == nullptr) {
        return fields;
    }
    fields.box = InkOf(found->pattern);
    fields.advance = found->width + 1;
    if (fields.box.width > 0) {
        fields.yOffset = fields.box.top - CursorRow(set);
        fields.xOffset = fields.box.left - set.OriginColumn();
    }
    return fields;
}

// The line's advance in the 8 bits the font holds it in: a cell of 255 rows, or an outline
// font's lines further apart, are drawn with lines 255 rows apart.
int LineAdvance(const CharacterSet& set) {
    return std::min(set.LineHeight() > 0 ? set.LineHeight() : set.Cell().height + 1, 255);
}

}  // namespace

std::string WriteGfxFont(const CharacterSet& set, std::string_view name) {
    const auto& characters = set.Characters();
    const int first = characters.empty() ? 0 : characters.begin()->first;
    const int last = characters.empty() ? 0 : characters.rbegin()->first;
    const std::string n(name);
    std::string bitmaps = "const uint8_t " + n + "Bitmaps[] PROGMEM = {";
    bitmaps += kCrLf;
    std::string glyphs = "const GFXglyph " + n + "Glyphs[] PROGMEM = {";
    glyphs += kCrLf;
    const auto codes = static_cast<std::size_t>(last - first + 1);
    bitmaps.reserve(codes * (16 + static_cast<std::size_t>(set.Cell().Cells()) * 6 / 8));
    glyphs.reserve(codes * 48);
    std::size_t offset = 0;
    for (int code = first; code <= last; ++code) {
        const SetCharacter* found = set.Find(code);
        const Fields entry = FieldsOf(set, found);
        const Box& box = entry.box;
        if (box.width > 0) {
            bitmaps += "    ";
            AppendHexBytes(bitmaps, BitsOf(found->pattern, box));
            bitmaps += ',';
            bitmaps += Comment(code, found);
            bitmaps += kCrLf;
        }
        glyphs += "    {";
        const long long fields[] = {static_cast<long long>(offset),
                                    box.width,
                                    box.height,
                                    entry.advance,
                                    entry.xOffset,
                                    entry.yOffset};
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, fields[i]).ptr;
            glyphs.append(i == 0 ? "" : ", ").append(digits, end);
        }
        glyphs += "},";
        glyphs += Comment(code, found);
        glyphs += kCrLf;
        offset += static_cast<std::size_t>((box.width * box.height + 7) / 8);
    }
    if (offset == 0) {
        bitmaps += "    0x00,  // no character has a lit dot";
        bitmaps += kCrLf;
    }
    std::string out = "// " + ToString(set.Cell()) + " font: first code " + std::to_string(first) +
                      ", " + std::to_string(last - first + 1) + " characters, layout gfxfont, " +
                      std::to_string(set.Ascent()) + " rows above the baseline" +
                      (set.LineHeight() > 0 ? std::string(kCursorAbove) : std::string()) +
                      OriginText(set.OriginColumn()) +
                      ": Adafruit GFX's GFXfont, for a sketch that includes Adafruit_GFX.h first";
    out += kCrLf;
    out.reserve(out.size() + bitmaps.size() + glyphs.size() + 256);
    out += bitmaps;
    out += "};";
    out += kCrLf;
    out += kCrLf;
    out += glyphs;
    out += "};";
    out += kCrLf;
    out += kCrLf;
    out += "const GFXfont " + n + " PROGMEM = {(uint8_t *)" + n + "Bitmaps, (GFXglyph *)" + n +
           "Glyphs, " + std::to_string(first) + ", " + std::to_string(last) + ", " +
           std::to_string(LineAdvance(set)) + "};";
    out += kCrLf;
    return out;
}

bool IsGfxFont(std::string_view text) {
    return text.find("GFXglyph") != std::string_view::npos;
}

namespace {

Certainty Detect(std::string_view text) {
    return IsGfxFont(text)                 ? Certainty::Declared
           : CommentNames(text, "gfxfont") ? Certainty::Named
                                           : Certainty::None;
}

ParsedSet Read(const Format&, std::string_view text, const ReadOptions&) {
    return ReadGfxFont(text);
}

// As the library's GFXglyph holds them: a bitmap's offset in 16 bits, sizes and advances
// in 8, offsets from the cursor from -128 to 127.
std::string FieldsMisfit(const CharacterSet& set) {
    long long offset = 0;
    for (const auto& [code, character] : set.Characters()) {
        const Fields fields = FieldsOf(set, &character);
        const std::string glyph = CodePointText(code);
        if (fields.advance > 255) {
            return "a GFXfont's advances are at most 255; " + glyph + "'s is " +
                   std::to_string(fields.advance) + ": make it at most 254 wide";
        }
        if (fields.yOffset < -128 || fields.yOffset > 127) {
            return "a GFXfont's glyph offsets are -128 to 127; " + glyph + "'s top is " +
                   std::to_string(-fields.yOffset) + " rows above the cursor";
        }
        if (fields.xOffset < -128 || fields.xOffset > 127) {
            return "a GFXfont's glyph offsets are -128 to 127; " + glyph + "'s left edge is " +
                   std::to_string(fields.xOffset) + " columns right of the cursor";
        }
        offset += (fields.box.width * fields.box.height + 7) / 8;
    }
    if (offset > 0xFFFF + 1) {
        return "a GFXfont's bitmaps are at most 64 KB; the set's take " + WithThousands(offset) +
               " bytes: choose fewer characters";
    }
    return {};
}

// C only, never sparse, its first and last codes 16 bits, its fields as GFXglyph holds them.
std::string WhyNot(const CharacterSet& set, const TableFormat& format) {
    if (format.language == Language::Python) {
        return "a GFXfont is C only";
    }
    // The codes it holds: those up to 255 of a set that has codes past them too, unless the
    // set is a selection, written whole.
    const std::optional<CharacterSet> cut = format.whole ? std::nullopt : TableSubset(set);
    const auto& characters = cut ? cut->Characters() : set.Characters();
    if (!characters.empty() && characters.rbegin()->first > 0xFFFF) {
        const auto past = characters.upper_bound(0xFFFF);
        return "a GFXfont holds 16-bit codes, up to U+FFFF; " + CodePointText(past->first) +
               " is past them";
    }
    if (format.sparse) {
        return "a GFXfont is never sparse: its glyphs run from its first code to its last";
    }
    if (const std::string why = FieldsMisfit(cut ? *cut : set); !why.empty()) {
        return why;
    }
    return WhyNotDense(set, format);
}

std::string Write(const CharacterSet& set, const TableFormat& format) {
    return WriteGfxFont(set, format.name.empty() ? format.format->arrayName : format.name);
}

// Each blank code is a GFXglyph: a 16-bit offset and five bytes.
Gaps GapsIn(const CharacterSet& set, const TableFormat&) {
    constexpr int kGlyphBytes = 7;
    const CodeRange codes = CodesOf(set);
    const long long blanks = static_cast<long long>(codes.last) - codes.first + 1 - set.Size();
    return {blanks, blanks * kGlyphBytes};
}

// Adafruit GFX draws codes 0 to 255 only: the first code past them, and a map that would move
// the run of codes from it below 256.
std::string PastByte(const CharacterSet& set, const TableFormat&) {
    const auto& characters = set.Characters();
    const auto past = characters.upper_bound(kLastCode);
    if (past == characters.end()) {
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

}  // namespace

extern const Format kGfxFontFormat{
    .name = "gfxfont",
    .summary = "Adafruit GFX's proportional GFXfont, in C only",
    .extensions = "h hpp c ino",
    .output = Output::Source,
    .options = kTakesName,
    .limits = {.lastCode = 0xFFFF, .widths = true, .dense = true},
    .detect = Detect,
    .read = Read,
    .whyNot = WhyNot,
    .write = Write,
    .gaps = GapsIn,
    .warning = PastByte,
};

}  // namespace zrl
