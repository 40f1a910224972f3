#include "bitmap_font.h"

#include <algorithm>
#include <optional>

namespace zrl {

namespace {

constexpr std::uint64_t kLeftColumn = std::uint64_t{1} << 63;

// The cell, in the font's coordinates: its top row and left column.
struct Cell {
    int top;
    int left;
};

std::optional<Pattern> Place(const BitmapGlyph& glyph, Cell cell) {
    if (glyph.inkBeyond) {
        return std::nullopt;
    }
    Pattern pattern;
    const int columns = std::min(glyph.box.width, 64);
    for (std::size_t r = 0; r < glyph.rows.size(); ++r) {
        const int y = glyph.box.y + glyph.box.height - 1 - static_cast<int>(r);
        for (int c = 0; c < columns; ++c) {
            if ((glyph.rows[r] & (kLeftColumn >> c)) == 0) {
                continue;
            }
            const int row = cell.top - y;
            const int column = glyph.box.x + c - cell.left;
            if (row < 0 || row >= kRows || column < 0 || column >= kColumns) {
                return std::nullopt;
            }
            pattern[static_cast<std::size_t>(CellIndex(row, column))] = true;
        }
    }
    return pattern;
}

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string DefaultGlyphName(int code) {
    return "char" + std::to_string(code);
}

ImportedFont ImportFont(const BitmapFont& font) {
    ImportedFont imported;
    imported.set.SetFontName(font.name == kDefaultFontName ? std::string() : font.name);
    const Cell cell{font.box.y + font.box.height - 1, font.box.x};
    for (const BitmapGlyph& glyph : font.glyphs) {
        if (glyph.code < kFirstCode || glyph.code > kLastCode) {
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
        imported.set.Put(code, {*pattern, defaultName ? std::string() : glyph.name});
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
    add(imported.outsideCodes,
        Plural(imported.outsideCodes, "glyph", "glyphs") + " with a code above 255 or none");
    add(imported.tooLarge,
        Plural(imported.tooLarge, "glyph", "glyphs") + " too large for the 5x7 cell");
    add(imported.repeated,
        Plural(imported.repeated, "glyph", "glyphs") + " at a code already taken");
    return parts.empty() ? parts : "Left out " + parts + ".";
}

}  // namespace zrl
