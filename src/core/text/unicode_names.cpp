#include "unicode_names.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "unicode_data.inc"

namespace zrl {

namespace {

// Hangul syllables are named by their jamo, as the standard's algorithm composes them.
std::string HangulName(int code) {
    static constexpr const char* kLeading[] = {"G", "GG", "N", "D",  "DD", "R", "M",
                                               "B", "BB", "S", "SS", "",   "J", "JJ",
                                               "C", "K",  "T", "P",  "H"};
    static constexpr const char* kVowel[] = {"A",   "AE", "YA", "YAE", "EO", "E",  "YEO",
                                             "YE",  "O",  "WA", "WAE", "OE", "YO", "U",
                                             "WEO", "WE", "WI", "YU",  "EU", "YI", "I"};
    static constexpr const char* kTrailing[] = {
        "",   "G",  "GG", "GS", "N",  "NJ", "NH", "D",  "L", "LG", "LM", "LB", "LS", "LT",
        "LP", "LH", "M",  "B",  "BS", "S",  "SS", "NG", "J", "C",  "K",  "T",  "P",  "H"};
    const int index = code - 0xAC00;
    return std::string("HANGUL SYLLABLE ") + kLeading[index / (21 * 28)] +
           kVowel[index % (21 * 28) / 28] + kTrailing[index % 28];
}

std::string Hex(int code) {
    char text[12];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(code));
    return text;
}

std::vector<UnicodeBlock> MakeBlocks() {
    std::vector<UnicodeBlock> blocks;
    for (std::size_t i = 0; i < unicode_data::kBlockCount; ++i) {
        const auto& entry = unicode_data::kBlocks[i];
        blocks.push_back({static_cast<int>(entry.first), static_cast<int>(entry.last), entry.name});
    }
    return blocks;
}

}  // namespace

std::string CharacterName(int code) {
    if (code >= 0xAC00 && code <= 0xD7A3) {
        return HangulName(code);
    }
    for (const auto& range : unicode_data::kRanges) {
        if (code >= 0 && static_cast<std::uint32_t>(code) >= range.first &&
            static_cast<std::uint32_t>(code) <= range.last) {
            return range.prefix + Hex(code);
        }
    }
    const auto* end = unicode_data::kCodes + unicode_data::kNamed;
    const auto* found =
        std::lower_bound(unicode_data::kCodes, end, static_cast<std::uint32_t>(code));
    if (code < 0 || found == end || *found != static_cast<std::uint32_t>(code)) {
        return {};
    }
    const auto at = static_cast<std::size_t>(found - unicode_data::kCodes);
    std::string name;
    for (std::uint32_t i = unicode_data::kNameStarts[at]; i < unicode_data::kNameStarts[at + 1];
         ++i) {
        name += (name.empty() ? "" : " ");
        name += unicode_data::kWords + unicode_data::kWordStarts[unicode_data::kNameWords[i]];
    }
    return name;
}

std::span<const UnicodeBlock> UnicodeBlocks() {
    static const std::vector<UnicodeBlock> blocks = MakeBlocks();
    return blocks;
}

const UnicodeBlock* BlockOf(int code) {
    const auto blocks = UnicodeBlocks();
    const auto found = std::upper_bound(blocks.begin(), blocks.end(), code,
                                        [](int c, const UnicodeBlock& b) { return c < b.first; });
    if (found == blocks.begin() || code > std::prev(found)->last) {
        return nullptr;
    }
    return &*std::prev(found);
}

}  // namespace zrl
