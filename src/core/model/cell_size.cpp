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
    // Eight, eleven and eighteen are the numbers up to 32 said with a vowel first.
    const int w = size.width;
    return (w == 8 || w == 11 || w == 18 ? "an " : "a ") + ToString(size);
}

}  // namespace zrl
