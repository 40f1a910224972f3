#pragma once

#include <bitset>
#include <map>
#include <optional>
#include <string>

#include "character_grid.h"

namespace zrl {

// A character's pattern with nothing but lit and unlit: bit i is cell i (row * 5 + column).
using Pattern = std::bitset<kCellCount>;

Pattern PatternOf(const CharacterGrid& grid);
// Lit cells pure red, the others the button face colour.
CharacterGrid GridOf(const Pattern& pattern);

inline constexpr int kFirstCode = 0;
inline constexpr int kLastCode = 255;

struct SetCharacter {
    Pattern pattern;
    std::string name;  // optional; a font file's glyph name

    bool operator==(const SetCharacter&) const = default;
};

// The characters of a display, each at its own code from 0 to 255, kept in code order.
class CharacterSet {
public:
    // Blank characters at every code from first to last.
    static CharacterSet Blank(int first, int last);

    const std::map<int, SetCharacter>& Characters() const { return characters_; }
    int Size() const { return static_cast<int>(characters_.size()); }
    bool IsEmpty() const { return characters_.empty(); }
    const SetCharacter* Find(int code) const;

    // Adds or replaces the character at the code; a code outside 0..255 is refused.
    void Put(int code, SetCharacter character);
    void SetPattern(int code, const Pattern& pattern);
    bool Remove(int code);
    // The first code from `from` on (wrapping round) that holds no character.
    std::optional<int> FreeCode(int from = kFirstCode) const;

    // The font's own name, as a font file names it; empty for a new set.
    const std::string& FontName() const { return fontName_; }
    void SetFontName(std::string name) { fontName_ = std::move(name); }

    bool operator==(const CharacterSet&) const = default;

private:
    static void CheckCode(int code);

    std::map<int, SetCharacter> characters_;
    std::string fontName_;
};

}  // namespace zrl
