// Characters as large as a cell gets, 255x255, through every format: each that holds them
// writes and reads them back dot for dot; each that does not says its limit in one line.
#include <gtest/gtest.h>

#include <random>

#include "core/formats/format_table.h"
#include "core/formats/table_writer.h"

namespace zrl {
namespace {

constexpr CellSize kLarge{255, 255};

// Dots everywhere in the cell, and a lit corner at each side, so that no layout may drop a
// column, row or byte past the 32nd or the 64th unnoticed. The baseline in the middle and
// widths of 254 are what a GFXfont's fields hold.
CharacterSet LargeSet() {
    std::mt19937 random(255);
    CharacterSet set(kLarge, 127);
    for (int code = 65; code < 68; ++code) {
        Pattern pattern(kLarge);
        for (std::size_t i = 0; i < static_cast<std::size_t>(kLarge.Cells()); ++i) {
            pattern[i] = random() % 5 == 0;
        }
        pattern.set(0).set(static_cast<std::size_t>(kLarge.Cells() - 1));
        set.Put(code, {pattern, {}, 254});
    }
    return set;
}

// As the format reads it, or where it reads nothing itself (u8x8), the format surest of it.
ParsedSet ReadBack(const Format& written, const std::string& text) {
    const bool reads = written.read != nullptr || written.readFont != nullptr;
    const Format& format = reads ? written : *DetectFormat(text).format;
    if (format.read != nullptr) {
        return format.read(format, text, {kLarge, 65, false});
    }
    const ReadFont font = format.readFont(text);
    if (!font.font) {
        return {std::nullopt, font.error};
    }
    return {ImportFont(*font.font, text).set, {}};
}

TEST(LargeCells, EveryFormatHoldsA255By255CharacterOrSaysItsLimit) {
    const CharacterSet set = LargeSet();
    for (const Format* format : Formats()) {
        if (!format->IsWritten()) {
            continue;
        }
        const TableFormat how{*format, Language::C, "large"};
        const std::string why = WhyNotWritten(set, how);
        const CellSize largest = format->limits.largest;
        if (largest.width < kLarge.width || largest.height < kLarge.height) {
            EXPECT_NE(why.find(std::to_string(std::min(largest.width, largest.height))),
                      std::string::npos)
                << format->name << " names its limit: " << why;
            continue;
        }
        if (format->name == "u8g2") {
            // A u8g2 glyph's record is at most 254 bytes: these random dots take thousands.
            EXPECT_NE(why.find("at most 254"), std::string::npos) << format->name << why;
            continue;
        }
        ASSERT_EQ(why, "") << format->name;
        const ParsedSet again = ReadBack(*format, WriteTable(set, how));
        ASSERT_TRUE(again.set) << format->name << ": " << again.error;
        for (const auto& [code, character] : set.Characters()) {
            const SetCharacter* read = again.set->Find(code);
            ASSERT_NE(read, nullptr) << format->name << " " << code;
            EXPECT_EQ(Resized(read->pattern, kLarge), character.pattern)
                << format->name << " " << code;
        }
    }
    CharacterSet high(kLarge);
    high.Put(65, {Pattern(kLarge).set(0), {}, 254});
    EXPECT_EQ(WhyNotWritten(high, TableFormat(*FormatNamed("gfxfont"))),
              "a GFXfont's glyph offsets are -128 to 127; U+0041's top is 213 rows above the "
              "cursor");
}

}  // namespace
}  // namespace zrl
