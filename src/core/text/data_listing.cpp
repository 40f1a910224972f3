#include "data_listing.h"

#include <algorithm>

namespace zrl {

namespace {

// Lines are separated, not terminated: the last line ends on its final digit, so the
// pasted text never leaves a stray blank statement in the firmware source.
template <typename CellOfLine>
std::string BuildLines(const CharacterGrid& grid, int lines, int digits, CellOfLine cell) {
    const auto& colours = grid.Colours();
    const auto lineCount = static_cast<std::size_t>(lines);
    const auto lineLength = kLinePrefix.size() + static_cast<std::size_t>(digits);
    // Sized once and written in place: one allocation per listing.
    std::string text(lineCount * lineLength + (lineCount - 1) * kLineSeparator.size(), '0');
    char* out = text.data();
    for (int line = 0; line < lines; ++line) {
        out = std::copy(kLinePrefix.begin(), kLinePrefix.end(), out);
        for (int digit = 0; digit < digits; ++digit, ++out) {
            if (colours[static_cast<std::size_t>(cell(line, digit))] == LitColour) {
                *out = '1';
            }
        }
        if (line < lines - 1) {
            out = std::copy(kLineSeparator.begin(), kLineSeparator.end(), out);
        }
    }
    return text;
}

}  // namespace

std::string BuildRowData(const CharacterGrid& grid) {
    const CellSize size = grid.Size();
    return BuildLines(grid, size.height, size.width,
                      [size](int row, int column) { return size.Index(row, column); });
}

std::string BuildColData(const CharacterGrid& grid) {
    const CellSize size = grid.Size();
    return BuildLines(grid, size.width, size.height,
                      [size](int column, int row) { return size.Index(row, column); });
}

std::string BuildListing(const CharacterGrid& grid, ListingOrder order) {
    return order == ListingOrder::ByRow ? BuildRowData(grid) : BuildColData(grid);
}

}  // namespace zrl
