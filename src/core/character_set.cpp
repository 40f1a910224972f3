#include "character_set.h"

#include <stdexcept>

namespace zrl {

Pattern PatternOf(const CharacterGrid& grid) {
    Pattern pattern;
    for (int i = 0; i < kCellCount; ++i) {
        pattern[static_cast<std::size_t>(i)] = grid.IsLit(i);
    }
    return pattern;
}

CharacterGrid GridOf(const Pattern& pattern) {
    CharacterGrid grid;
    for (int i = 0; i < kCellCount; ++i) {
        grid.SetColour(i, pattern[static_cast<std::size_t>(i)] ? LitColour : UnlitColour);
    }
    return grid;
}

CharacterSet CharacterSet::Blank(int first, int last) {
    CharacterSet set;
    for (int code = first; code <= last; ++code) {
        set.Put(code, {});
    }
    return set;
}

void CharacterSet::CheckCode(int code) {
    if (code < kFirstCode || code > kLastCode) {
        throw std::out_of_range("code " + std::to_string(code) + " is outside 0..255");
    }
}

const SetCharacter* CharacterSet::Find(int code) const {
    const auto found = characters_.find(code);
    return found != characters_.end() ? &found->second : nullptr;
}

void CharacterSet::Put(int code, SetCharacter character) {
    CheckCode(code);
    characters_[code] = std::move(character);
}

void CharacterSet::SetPattern(int code, const Pattern& pattern) {
    CheckCode(code);
    characters_[code].pattern = pattern;
}

bool CharacterSet::Remove(int code) {
    return characters_.erase(code) != 0;
}

std::optional<int> CharacterSet::FreeCode(int from) const {
    constexpr int kCodes = kLastCode - kFirstCode + 1;
    for (int step = 0; step < kCodes; ++step) {
        const int code = kFirstCode + (from - kFirstCode + step) % kCodes;
        if (!characters_.contains(code)) {
            return code;
        }
    }
    return std::nullopt;
}

}  // namespace zrl
