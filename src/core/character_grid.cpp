#include "character_grid.h"

#include <stdexcept>
#include <string>

namespace zrl {

CharacterGrid::CharacterGrid() {
    colours_.fill(UnlitColour);
    colours_[0] = FirstCellStartColour;
}

void CharacterGrid::CheckIndex(int index) {
    if (index < 0 || index >= kCellCount) {
        throw std::out_of_range("cell index " + std::to_string(index) + " is outside 0..34");
    }
}

OLE_COLOR CharacterGrid::Colour(int index) const {
    CheckIndex(index);
    return colours_[static_cast<std::size_t>(index)];
}

void CharacterGrid::SetColour(int index, OLE_COLOR colour) {
    CheckIndex(index);
    colours_[static_cast<std::size_t>(index)] = colour;
}

bool CharacterGrid::IsLit(int index) const {
    return Colour(index) == LitColour;
}

void CharacterGrid::Toggle(int index) {
    SetColour(index, IsLit(index) ? UnlitColour : LitColour);
}

void CharacterGrid::InvertAll() {
    for (OLE_COLOR& colour : colours_) {
        colour = colour == LitColour ? UnlitColour : LitColour;
    }
}

void CharacterGrid::ClearAll() {
    colours_.fill(UnlitColour);
}

}  // namespace zrl
