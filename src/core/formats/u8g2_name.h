#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/cell_size.h"
#include "core/model/character_set.h"

namespace zrl {

// The name u8g2 gives a font array of a font family: "u8g2_font_5x7_tr" (the box's letter,
// then the letter of u8g2's own map where the map is one: r, f, n, u or e),
// "u8x8_font_profont29_2x3_n" (the tiles where they are not 1x1, then the map's letter).
std::string U8g2FontName(std::string_view family, char box, std::string_view map);
std::string U8x8FontName(std::string_view family, CellSize tiles, std::string_view map);

// The letter of u8g2's own map the map is ("32-127>32": r), or 0.
char U8g2MapLetter(std::string_view map);

// The box mode (0 to 3) of the u8g2 array the set was read from, where it was read from one.
std::optional<int> SaidU8g2Mode(const CharacterSet& set);

}  // namespace zrl
