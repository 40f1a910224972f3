#include "bitmap_font.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/formats/font_source.h"
#include "core/text/code_map.h"

namespace zrl {

namespace {

// The cell, in the font's coordinates: its top row and left column, and its size.
struct Cell {
    int top;
    int left;
    CellSize size;
};

std::optional<Pattern> Place(const BitmapGlyph& glyph, Cell cell) {
    Pattern pattern(cell.size);
    for (int r = 0; r < glyph.Rows(); ++r) {
        const int y = glyph.box.y + glyph.box.height - 1 - r;
        for (int c = 0; c < glyph.box.width; ++c) {
            if (!glyph.Ink(r, c)) {
                continue;
            }
            const int row = cell.top - y;
            const int column = glyph.box.x + c - cell.left;
            if (row < 0 || row >= cell.size.height || column < 0 || column >= cell.size.width) {
                return std::nullopt;
            }
            pattern[static_cast<std::size_t>(cell.size.Index(row, column))] = true;
        }
    }
    return pattern;
}

std::string Plural(int count, const char* one, const char* many) {
    return WithThousands(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::optional<BitmapRect> InkRect(const BitmapGlyph& glyph) {
    int top = -1, bottom = -1, left = glyph.box.width, right = -1;
    for (int row = 0; row < glyph.Rows(); ++row) {
        for (int column = 0; column < glyph.box.width; ++column) {
            if (glyph.Ink(row, column)) {
                top = top < 0 ? row : top;
                bottom = row;
                left = std::min(left, column);
                right = std::max(right, column);
            }
        }
    }
    if (top < 0) {
        return std::nullopt;
    }
    return BitmapRect{top, left, right - left + 1, bottom - top + 1};
}

std::vector<std::uint64_t> RowsWithin(const BitmapGlyph& glyph, const BitmapRect& rect) {
    BitmapGlyph within;
    within.box.width = rect.width;
    within.rows.assign(static_cast<std::size_t>(within.RowWords() * rect.height), 0);
    for (int row = 0; row < rect.height; ++row) {
        for (int column = 0; column < rect.width; ++column) {
            if (glyph.Ink(rect.top + row, rect.left + column)) {
                within.SetInk(row, column);
            }
        }
    }
    return std::move(within.rows);
}

std::string PropertyValue(const BitmapFont& font, std::string_view name) {
    for (const FontProperty& property : font.properties) {
        if (property.name == name) {
            return property.value;
        }
    }
    return {};
}

std::string DefaultGlyphName(int code) {
    return "char" + std::to_string(code);
}

long AverageWidth(const CharacterSet& set) {
    if (set.IsEmpty()) {
        return (set.Cell().width + 1) * 10L;
    }
    long total = 0;
    for (const auto& entry : set.Characters()) {
        total += entry.second.width + 1;
    }
    return std::lround(static_cast<double>(total) * 10.0 / set.Size());
}

// An XLFD name: the pixel height, tenths of a point, and the spacing, average width and
// character set the font's properties say.
std::string DefaultFontName(const CharacterSet& set) {
    const std::string height = std::to_string(set.Cell().height);
    const bool unicode = !set.IsEmpty() && set.Characters().rbegin()->first > kLastCode;
    return AgreeingFontName("-Zerlin-Custom-Medium-R-Normal--" + height + "-" + height +
                                "0-75-75-C-0-" + (unicode ? "ISO10646-1" : "ISO8859-1"),
                            set);
}

std::string WithXlfdField(const std::string& name, int field, const std::string& value) {
    std::vector<std::size_t> hyphens;
    for (std::size_t at = name.find('-'); at != std::string::npos; at = name.find('-', at + 1)) {
        hyphens.push_back(at);
    }
    if (hyphens.size() != 14 || hyphens.front() != 0) {
        return name;
    }
    const std::size_t start = hyphens[static_cast<std::size_t>(field - 1)] + 1;
    const std::size_t end = field < 14 ? hyphens[static_cast<std::size_t>(field)] : name.size();
    return name.substr(0, start) + value + name.substr(end);
}

// The spacing is field 11 and the average width field 12.
std::string AgreeingFontName(const std::string& name, const CharacterSet& set) {
    return WithXlfdField(WithXlfdField(name, 11, set.IsProportional() ? "P" : "C"), 12,
                         std::to_string(AverageWidth(set)));
}

namespace {

CellSize CellOf(const GlyphBox& box) {
    if (box.width < 1 || box.height < 1) {
        return kDefaultSize;
    }
    return {std::min(box.width, CellSize::kLargest), std::min(box.height, CellSize::kLargest)};
}

}  // namespace

ImportedFont ImportFont(const BitmapFont& font, std::string_view bdfText) {
    const CellSize size = CellOf(font.box);
    // The cell's top row is the box's, and the rows below the baseline are what is left
    // of the cell under it, so that a set is written where it was read from.
    const bool boxed = font.box.width >= 1 && font.box.height >= 1;
    const int top = boxed ? font.box.y + font.box.height - 1
                          : size.height - 1 - CharacterSet::DefaultDescent(size);
    const int descent = std::clamp(size.height - 1 - top, 0, size.height);
    ImportedFont imported{CharacterSet(size, descent)};
    const Cell cell{size.height - 1 - descent, font.box.x, size};
    std::vector<std::optional<SetCharacter>> held(font.glyphs.size());
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const BitmapGlyph& glyph = font.glyphs[i];
        if (glyph.code < kFirstCode || glyph.code > kLastUnicode) {
            ++imported.outsideCodes;
            continue;
        }
        const int code = static_cast<int>(glyph.code);
        if (imported.set.Find(code) != nullptr) {
            ++imported.repeated;
            continue;
        }
        const std::optional<Pattern> pattern = Place(glyph, cell);
        if (!pattern) {
            ++imported.tooLarge;
            continue;
        }
        const bool defaultName = glyph.name == DefaultGlyphName(code);
        imported.set.Put(code, {*pattern, defaultName ? std::string() : glyph.name,
                                glyph.advance < 0 ? kCellWidth : std::max(0, glyph.advance - 1)});
        held[i] = *imported.set.Find(code);
    }
    imported.set.SetOriginColumn(-font.box.x);
    imported.set.SetLineHeight(font.lineHeight);
    imported.set.SetFontName(font.name == DefaultFontName(imported.set) ? std::string()
                                                                        : font.name);
    if (!bdfText.empty()) {
        imported.set.SetSource(ReadSource(font, bdfText, imported.set, std::move(held)));
    }
    return imported;
}

std::string DescribeLeftOut(const ImportedFont& imported) {
    std::string parts;
    const auto add = [&parts](int count, const std::string& what) {
        if (count > 0) {
            parts += (parts.empty() ? "" : ", ") + what;
        }
    };
    add(imported.outsideCodes, Plural(imported.outsideCodes, "glyph", "glyphs") + " with no code");
    add(imported.tooLarge, Plural(imported.tooLarge, "glyph", "glyphs") + " too large for the " +
                               ToString(imported.set.Cell()) + " cell");
    add(imported.repeated,
        Plural(imported.repeated, "glyph", "glyphs") + " at a code already taken");
    const char* fate =
        imported.set.Source() != nullptr ? "Kept as they are, not to edit: " : "Left out ";
    return parts.empty() ? parts : fate + parts + ".";
}

}  // namespace zrl
