#include "character_grid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zrl {

CharacterGrid::CharacterGrid(CellSize size)
    : size_(size), colours_(static_cast<std::size_t>(size.Cells()), UnlitColour) {
    if (!CellSize::IsValid(size.width, size.height)) {
        throw std::invalid_argument("a cell is 1 to 255 dots each way, not " + ToString(size));
    }
    colours_[0] = FirstCellStartColour;
}

CharacterGrid::CharacterGrid(CellSize size, std::vector<OLE_COLOR> colours) : CharacterGrid(size) {
    if (colours.size() != colours_.size()) {
        throw std::invalid_argument(std::to_string(colours.size()) + " colours for the " +
                                    std::to_string(colours_.size()) + " cells of " +
                                    ToString(size));
    }
    colours_ = std::move(colours);
}

void CharacterGrid::CheckIndex(int index) const {
    if (index < 0 || index >= size_.Cells()) {
        throw std::out_of_range("cell index " + std::to_string(index) + " is outside 0.." +
                                std::to_string(size_.Cells() - 1));
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
    std::fill(colours_.begin(), colours_.end(), UnlitColour);
}

CharacterGrid Resized(const CharacterGrid& grid, CellSize size) {
    CharacterGrid result(size);
    result.ClearAll();
    const CellSize old = grid.Size();
    for (int row = 0; row < std::min(old.height, size.height); ++row) {
        for (int column = 0; column < std::min(old.width, size.width); ++column) {
            result.SetColour(size.Index(row, column), grid.Colour(old.Index(row, column)));
        }
    }
    return result;
}

}  // namespace zrl
