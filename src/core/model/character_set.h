#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/character_grid.h"
#include "core/model/pattern.h"

namespace zrl {

Pattern PatternOf(const CharacterGrid& grid);
// Lit cells pure red, the others the button face colour.
CharacterGrid GridOf(const Pattern& pattern);

// The codes of a set are Unicode's code points; tables of bytes take 0 to 255 of them.
inline constexpr int kFirstCode = 0;
inline constexpr int kLastCode = 255;
inline constexpr int kLastUnicode = 0x10FFFF;

// The font file a set was read from, as far as the set needs it: the codes of the file's
// glyphs that the set keeps as they are, unedited. A format that writes a file back as it
// was read keeps the file's text in a type of its own made from this one.
struct SourceFont {
    virtual ~SourceFont() = default;
    std::vector<long> keptCodes;  // sorted
};

// How wide a character is when its width is not given: as wide as its cell.
inline constexpr int kCellWidth = -1;

struct SetCharacter {
    Pattern pattern;
    std::string name;  // optional; a font file's glyph name
    // The columns from the left, 0 to the cell's width, that belong to the character; its
    // advance is one column more. Put makes kCellWidth the cell's width.
    int width = kCellWidth;

    bool operator==(const SetCharacter&) const = default;
};

// The characters of a display, each at its own code from 0 to U+10FFFF, kept in code
// order, all in cells of one size (5x7 unless said) that stand on a common baseline. A set
// read from a font file keeps the file's text, to write back what it does not change.
class CharacterSet {
public:
    CharacterSet() = default;
    // No character yet; `descent` rows of the cell lie below the baseline.
    explicit CharacterSet(CellSize size, std::optional<int> descent = std::nullopt);

    // Blank characters at every code from first to last.
    static CharacterSet Blank(int first, int last, CellSize size = kDefaultSize);

    // The cell every character of the set has.
    CellSize Cell() const { return size_; }
    // How many of the cell's rows lie below the baseline, and above it.
    int Descent() const { return descent_; }
    int Ascent() const { return size_.height - descent_; }
    // No character, and all else as this set has it: cell, baseline, origin, line height
    // and name.
    CharacterSet Emptied() const;
    // Every character at the new size, anchored at the top left; the baseline keeps its
    // distance from the top where it can.
    CharacterSet Resized(CellSize size) const;
    // The rows below the baseline a new set of this size has: one from 7 rows up, as
    // X11's fonts have it, and more for tall cells.
    static int DefaultDescent(CellSize size);

    const std::map<int, SetCharacter>& Characters() const { return characters_; }
    int Size() const { return static_cast<int>(characters_.size()); }
    bool IsEmpty() const { return characters_.empty(); }
    const SetCharacter* Find(int code) const;

    // Adds or replaces the character at the code; a code outside 0..U+10FFFF is refused,
    // and so is a pattern of another size. Its width is held to 0 to the cell's width.
    void Put(int code, SetCharacter character);
    // A new character at the code is as wide as the cell.
    void SetPattern(int code, const Pattern& pattern);
    // The character's width, held to 0 to the cell's width; false when there is none.
    bool SetWidth(int code, int width);
    // Whether the characters differ in width.
    bool IsProportional() const;
    bool Remove(int code);
    // The first code from `from` on (wrapping round within 0 to 255 where `from` is, and
    // within all of Unicode past it) that holds no character and no kept glyph.
    std::optional<int> FreeCode(int from = kFirstCode) const;

    // The font's own name, as a font file names it; empty for a new set.
    const std::string& FontName() const { return fontName_; }
    void SetFontName(std::string name) { fontName_ = std::move(name); }

    // The distance between lines of text a font gives, 0 where the set has none of its own
    // (lines are then a cell and a row apart). A set with one stands on the baseline as an
    // outline font's glyphs do: the row just above it is the one a text cursor stands on.
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int height) { lineHeight_ = std::max(0, height); }
    // The cell's column a character starts from, past the columns that glyphs reaching left
    // of it (a "j" with its tail under the previous letter) take; 0 for most sets.
    int OriginColumn() const { return originColumn_; }
    void SetOriginColumn(int column) { originColumn_ = std::clamp(column, 0, size_.width - 1); }

    // The font file the set was read from, or none for a new set.
    const std::shared_ptr<const SourceFont>& Source() const { return source_; }
    void SetSource(std::shared_ptr<const SourceFont> source) { source_ = std::move(source); }
    // Whether the font file holds a glyph at the code that the set keeps as it is.
    bool IsKept(int code) const;

    // Sets are equal by their characters, cell, baseline, origin, line height and name,
    // wherever they were read from.
    bool operator==(const CharacterSet& other) const;
    // A 64-bit digest of all that == compares, and of the font the set was read from: two
    // sets with the same digest are, all but certainly, the same set.
    std::uint64_t Digest() const;

private:
    static void CheckCode(int code);
    void CheckSize(const Pattern& pattern) const;

    CellSize size_;
    int descent_ = 1;
    int lineHeight_ = 0;
    int originColumn_ = 0;
    std::map<int, SetCharacter> characters_;
    std::string fontName_;
    std::shared_ptr<const SourceFont> source_;
};

// The columns from the left that hold the character: its width, or as far as its last lit
// dot where its dots reach past its width (a font's glyph may touch its advance).
int InkedWidth(const SetCharacter& character);

// How many of the set's characters have lit dots outside a cell of the size, anchored at the
// top left: those that a resize to it cuts.
int CharactersCut(const CharacterSet& set, CellSize size);

// The characters as "Fit Widths" makes them: each character that has a lit dot moves to
// the left edge of its cell, past any blank columns there, and is as wide as its
// rightmost lit column and no wider; blank characters stay as they are. Only the
// characters that change are listed.
std::map<int, SetCharacter> FittedCharacters(const CharacterSet& set);

}  // namespace zrl
