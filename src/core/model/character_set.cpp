#include "character_set.h"

#include <algorithm>
#include <stdexcept>

namespace zrl {

// Straight from the colours, a cell is lit exactly when its colour is pure red: a large
// field's click stays quick.
Pattern PatternOf(const CharacterGrid& grid) {
    Pattern pattern(grid.Size());
    const std::vector<OLE_COLOR>& colours = grid.Colours();
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (colours[i] == LitColour) {
            pattern[i] = true;
        }
    }
    return pattern;
}

CharacterGrid GridOf(const Pattern& pattern) {
    std::vector<OLE_COLOR> colours(static_cast<std::size_t>(pattern.Size().Cells()));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = pattern[i] ? LitColour : UnlitColour;
    }
    return CharacterGrid(pattern.Size(), std::move(colours));
}

int CharacterSet::DefaultDescent(CellSize size) {
    return size.height < 7 ? 0 : std::max(1, size.height / 6);
}

CharacterSet::CharacterSet(CellSize size, std::optional<int> descent)
    : size_(size), descent_(std::clamp(descent.value_or(DefaultDescent(size)), 0, size.height)) {
    if (!CellSize::IsValid(size.width, size.height)) {
        throw std::invalid_argument("a cell is 1 to 255 dots each way, not " + ToString(size));
    }
}

CharacterSet CharacterSet::Blank(int first, int last, CellSize size) {
    CharacterSet set(size);
    for (int code = first; code <= last; ++code) {
        set.Put(code, {Pattern(size), {}});
    }
    return set;
}

CharacterSet CharacterSet::Emptied() const {
    CharacterSet empty(size_, descent_);
    empty.fontName_ = fontName_;
    empty.lineHeight_ = lineHeight_;
    empty.originColumn_ = originColumn_;
    return empty;
}

CharacterSet CharacterSet::Resized(CellSize size) const {
    CharacterSet resized(size, Ascent() <= size.height ? size.height - Ascent() : 0);
    resized.fontName_ = fontName_;
    resized.source_ = source_;
    resized.lineHeight_ = lineHeight_;
    resized.SetOriginColumn(originColumn_);
    for (const auto& [code, character] : characters_) {
        // A character as wide as its cell stays so; a narrower one keeps its width.
        const int width = character.width == size_.width ? size.width : character.width;
        resized.characters_[code] = {zrl::Resized(character.pattern, size), character.name,
                                     std::min(width, size.width)};
    }
    return resized;
}

void CharacterSet::CheckCode(int code) {
    if (code < kFirstCode || code > kLastUnicode) {
        throw std::out_of_range("code " + std::to_string(code) + " is outside 0..U+10FFFF");
    }
}

bool CharacterSet::operator==(const CharacterSet& other) const {
    return size_ == other.size_ && descent_ == other.descent_ && characters_ == other.characters_ &&
           fontName_ == other.fontName_ && lineHeight_ == other.lineHeight_ &&
           originColumn_ == other.originColumn_;
}

namespace {

// Mixes a value into a digest, as a hash of a sequence: each value moves all the bits.
void Mix(std::uint64_t& digest, std::uint64_t value) {
    digest ^= value + 0x9E3779B97F4A7C15ULL + (digest << 6) + (digest >> 2);
    digest *= 0xFF51AFD7ED558CCDULL;
    digest ^= digest >> 33;
}

void MixText(std::uint64_t& digest, const std::string& text) {
    Mix(digest, text.size());
    for (const char c : text) {
        Mix(digest, static_cast<unsigned char>(c));
    }
}

}  // namespace

std::uint64_t CharacterSet::Digest() const {
    std::uint64_t digest = 0;
    for (const int value : {size_.width, size_.height, descent_, lineHeight_, originColumn_}) {
        Mix(digest, static_cast<std::uint64_t>(value));
    }
    MixText(digest, fontName_);
    Mix(digest, reinterpret_cast<std::uintptr_t>(source_.get()));
    Mix(digest, characters_.size());
    for (const auto& [code, character] : characters_) {
        Mix(digest, static_cast<std::uint64_t>(code));
        Mix(digest, static_cast<std::uint64_t>(character.width));
        MixText(digest, character.name);
        for (const std::uint64_t word : character.pattern.Words()) {
            Mix(digest, word);
        }
    }
    return digest;
}

bool CharacterSet::IsKept(int code) const {
    if (source_ == nullptr) {
        return false;
    }
    return std::binary_search(source_->keptCodes.begin(), source_->keptCodes.end(), long{code});
}

void CharacterSet::CheckSize(const Pattern& pattern) const {
    if (pattern.Size() != size_) {
        throw std::invalid_argument(WithArticle(pattern.Size()) + " pattern in a set of " +
                                    ToString(size_) + " characters");
    }
}

const SetCharacter* CharacterSet::Find(int code) const {
    const auto found = characters_.find(code);
    return found != characters_.end() ? &found->second : nullptr;
}

void CharacterSet::Put(int code, SetCharacter character) {
    CheckCode(code);
    CheckSize(character.pattern);
    character.width =
        character.width == kCellWidth ? size_.width : std::clamp(character.width, 0, size_.width);
    characters_[code] = std::move(character);
}

void CharacterSet::SetPattern(int code, const Pattern& pattern) {
    CheckCode(code);
    CheckSize(pattern);
    characters_.try_emplace(code, SetCharacter{pattern, {}, size_.width}).first->second.pattern =
        pattern;
}

bool CharacterSet::SetWidth(int code, int width) {
    const auto found = characters_.find(code);
    if (found == characters_.end()) {
        return false;
    }
    found->second.width = std::clamp(width, 0, size_.width);
    return true;
}

bool CharacterSet::IsProportional() const {
    return std::adjacent_find(characters_.begin(), characters_.end(),
                              [](const auto& a, const auto& b) {
                                  return a.second.width != b.second.width;
                              }) != characters_.end();
}

bool CharacterSet::Remove(int code) {
    return characters_.erase(code) != 0;
}

std::optional<int> CharacterSet::FreeCode(int from) const {
    const int last = from <= kLastCode ? kLastCode : kLastUnicode;
    const int codes = last - kFirstCode + 1;
    for (int step = 0; step < codes; ++step) {
        const int code = kFirstCode + (from - kFirstCode + step) % codes;
        if (!characters_.contains(code) && !IsKept(code)) {
            return code;
        }
    }
    return std::nullopt;
}

int InkedWidth(const SetCharacter& character) {
    const CellSize size = character.pattern.Size();
    for (int column = size.width - 1; column >= character.width; --column) {
        for (int row = 0; row < size.height; ++row) {
            if (character.pattern.Lit(row, column)) {
                return column + 1;
            }
        }
    }
    return character.width;
}

std::map<int, SetCharacter> FittedCharacters(const CharacterSet& set) {
    std::map<int, SetCharacter> fitted;
    const CellSize size = set.Cell();
    for (const auto& [code, character] : set.Characters()) {
        int left = size.width;
        int right = -1;
        for (int index = 0; index < size.Cells(); ++index) {
            if (character.pattern[static_cast<std::size_t>(index)]) {
                left = std::min(left, size.ColumnOf(index));
                right = std::max(right, size.ColumnOf(index));
            }
        }
        if (right < 0 || (left == 0 && right + 1 == character.width)) {
            continue;
        }
        Pattern moved(size);
        for (int index = 0; index < size.Cells(); ++index) {
            if (character.pattern[static_cast<std::size_t>(index)]) {
                moved.set(static_cast<std::size_t>(index - left));
            }
        }
        fitted[code] = {moved, character.name, right + 1 - left};
    }
    return fitted;
}

int CharactersCut(const CharacterSet& set, CellSize size) {
    const CellSize cell = set.Cell();
    int cut = 0;
    for (const auto& [code, character] : set.Characters()) {
        bool outside = false;
        for (int row = 0; row < cell.height && !outside; ++row) {
            for (int column = 0; column < cell.width && !outside; ++column) {
                outside = (row >= size.height || column >= size.width) &&
                          character.pattern.Lit(row, column);
            }
        }
        cut += outside ? 1 : 0;
    }
    return cut;
}

}  // namespace zrl
