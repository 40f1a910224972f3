#include "cell_size.h"

#include <charconv>

namespace zrl {

std::string ToString(CellSize size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::optional<CellSize> ParseCellSize(std::string_view text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return error == std::errc() && end == digits.data() + digits.size() && !digits.empty()
                   ? std::optional(value)
                   : std::nullopt;
    };
    const std::optional<int> width = number(text.substr(0, x));
    const std::optional<int> height = number(text.substr(x + 1));
    if (!width || !height || !CellSize::IsValid(*width, *height)) {
        return std::nullopt;
    }
    return CellSize{*width, *height};
}

std::string WithArticle(CellSize size) {
    // Eight, eleven, eighteen and eighty to eighty-nine are the numbers up to 255 said with
    // a vowel first.
    const int w = size.width;
    const bool vowel = w == 8 || w == 11 || w == 18 || (w >= 80 && w <= 89);
    return (vowel ? "an " : "a ") + ToString(size);
}

}  // namespace zrl
