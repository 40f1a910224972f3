#include "u8g2_name.h"

#include <cctype>
#include <utility>

#include "core/formats/font_source.h"
#include "core/formats/u8g2_glyphs.h"

namespace zrl {

namespace {

// u8g2's maps, as its font names end.
constexpr std::pair<char, std::string_view> kMaps[] = {
    {'r', "32-127>32"},
    {'f', "32-255>32"},
    {'n', "32,42-58>42"},
    {'u', "32-95>32"},
    {'e', "32-701>32,7838,8320-8329,8364,8451,8457,64256-64263"},
};

// Lower case letters, digits and underscores, as a C name takes them.
std::string Identifier(std::string_view family) {
    std::string name;
    for (const char c : family) {
        const auto byte = static_cast<unsigned char>(c);
        name += std::isalnum(byte) != 0 && byte < 128 ? static_cast<char>(std::tolower(byte)) : '_';
    }
    return name.empty() ? "custom" : name;
}

}  // namespace

char U8g2MapLetter(std::string_view map) {
    std::string compact;
    for (const char c : map) {
        if (c != ' ') {
            compact += c;
        }
    }
    for (const auto& [letter, text] : kMaps) {
        if (compact == text) {
            return letter;
        }
    }
    return 0;
}

std::string U8g2FontName(std::string_view family, char box, std::string_view map) {
    std::string name = "u8g2_font_" + Identifier(family) + "_" + box;
    if (const char letter = U8g2MapLetter(map); letter != 0) {
        name += letter;
    }
    return name;
}

std::string U8x8FontName(std::string_view family, CellSize tiles, std::string_view map) {
    std::string name = "u8x8_font_" + Identifier(family);
    if (tiles.width != 1 || tiles.height != 1) {
        name += "_" + ToString(tiles);
    }
    if (const char letter = U8g2MapLetter(map); letter != 0) {
        name += std::string("_") + letter;
    }
    return name;
}

std::optional<int> SaidU8g2Mode(const CharacterSet& set) {
    const FontSource* source = FontSourceOf(set);
    if (source == nullptr) {
        return std::nullopt;
    }
    const std::string_view key = U8g2Properties::kMode;
    for (std::size_t at = source->header.find(key); at != std::string_view::npos;
         at = source->header.find(key, at + 1)) {
        const std::size_t digit = at + key.size() + 1;
        if ((at == 0 || source->header[at - 1] == '\n') && digit < source->header.size() &&
            source->header[digit] >= '0' && source->header[digit] <= '3') {
            return source->header[digit] - '0';
        }
    }
    return std::nullopt;
}

}  // namespace zrl
