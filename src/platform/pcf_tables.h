#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats/bitmap_font.h"

namespace zrl {

// PCF's own tables that FreeType reads but does not tell: the properties, all of them in
// their order, the ascent and descent that X gives its lines, the default character, and
// the glyphs' names and scalable widths.
class PcfTables {
public:
    explicit PcfTables(const QByteArray& data) : data_(data) {}

    std::vector<FontProperty> Properties() const;

    // The glyphs' names, in the order of the font's metrics: offsets into the strings that
    // follow them.
    std::vector<std::string_view> GlyphNames() const;

    // The glyphs' scalable widths (BDF's SWIDTH), in the order of the font's metrics.
    std::vector<int> ScalableWidths() const;

    // DEFAULT_CHAR, the code a missing character is drawn with, as the encodings say it.
    std::optional<FontProperty> DefaultChar() const;

    // FONT_ASCENT and FONT_DESCENT, as the accelerators say them.
    std::vector<FontProperty> AscentAndDescent() const;

private:
    static constexpr std::uint32_t kProperties = 1u << 0;
    static constexpr std::uint32_t kAccelerators = 1u << 1;
    static constexpr std::uint32_t kEncodings = 1u << 5;
    static constexpr std::uint32_t kScalableWidths = 1u << 6;
    static constexpr std::uint32_t kGlyphNames = 1u << 7;
    static constexpr std::uint32_t kBdfAccelerators = 1u << 8;
    static constexpr std::uint32_t kMsbFirst = 1u << 2;

    unsigned Byte(std::size_t at) const {
        return at < static_cast<std::size_t>(data_.size())
                   ? static_cast<unsigned char>(data_[static_cast<qsizetype>(at)])
                   : 0;
    }
    std::uint32_t Word(std::size_t at, bool msb) const {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::uint32_t byte = Byte(at + i);
            word |= msb ? byte << (8 * (3 - i)) : byte << (8 * i);
        }
        return word;
    }
    std::string String(std::size_t at) const {
        std::string text;
        for (; at < static_cast<std::size_t>(data_.size()) && Byte(at) != 0; ++at) {
            text += static_cast<char>(Byte(at));
        }
        return text;
    }
    // A string of the font's, as a view of its bytes: for the glyphs' names, which are many.
    std::string_view View(std::size_t at) const {
        const auto size = static_cast<std::size_t>(data_.size());
        if (at >= size) {
            return {};
        }
        const std::string_view rest(data_.constData() + at, size - at);
        return rest.substr(0, rest.find('\0'));
    }
    static std::string Quoted(const std::string& text) {
        std::string quoted = "\"";
        for (const char c : text) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        return quoted + "\"";
    }
    // Where a table's data starts, past its format word, and its byte order.
    struct Table {
        std::size_t at;
        bool msb;
    };
    std::optional<Table> Find(std::uint32_t type) const {
        const std::uint32_t tables = Word(4, false);
        for (std::uint32_t i = 0; i < std::min(tables, 64u); ++i) {
            const std::size_t entry = 8 + 16 * static_cast<std::size_t>(i);
            if (Word(entry, false) == type) {
                const std::size_t offset = Word(entry + 12, false);
                return Table{offset + 4, (Word(offset, false) & kMsbFirst) != 0};
            }
        }
        return std::nullopt;
    }
    // A table's words after the count of them that starts it.
    std::vector<std::uint32_t> Counted(const Table& table) const {
        const std::uint32_t count = std::min<std::uint32_t>(Word(table.at, table.msb), 1u << 20);
        std::vector<std::uint32_t> words;
        words.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            words.push_back(Word(table.at + 4 + 4 * std::size_t{i}, table.msb));
        }
        return words;
    }

    const QByteArray& data_;
};

}  // namespace zrl
