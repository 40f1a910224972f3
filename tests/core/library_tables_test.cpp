// Tables as real libraries and sketches hold them, and the faults they showed: no dot cut,
// no character dropped without a word, and refusals that say what to do.
#include <gtest/gtest.h>

#include <random>

#include "core/gfx_font.h"
#include "core/set_export.h"
#include "core/set_import.h"
#include "core/table_writer.h"

namespace zrl {
namespace {

// A proportional set whose glyphs' dots reach their advance, as FreeMono's A, M and W do.
CharacterSet TouchingTheirAdvance() {
    std::mt19937 random(7);
    CharacterSet set(CellSize{9, 12});
    for (int code = 32; code < 96; ++code) {
        Pattern pattern(CellSize{9, 12});
        const int width = 1 + static_cast<int>(random() % 8);
        for (int row = 0; row < 12; ++row) {
            for (int column = 0; column <= width; ++column) {
                pattern.set(static_cast<std::size_t>(row * 9 + column), random() % 3 == 0);
            }
        }
        pattern.set(static_cast<std::size_t>(5 * 9 + width));  // in the advance's column
        set.Put(code, {pattern, {}, width});
    }
    return set;
}

TEST(LibraryTables, NoLayoutCutsADotThatReachesPastItsWidth) {
    const CharacterSet set = TouchingTheirAdvance();
    for (const LayoutInfo& info : Layouts()) {
        if (info.layout == ByteLayout::Lcd) {
            continue;  // at most 8x8
        }
        const ParsedSet again =
            ReadSetText(WriteTable(set, {info.layout, Language::C, "f"}), std::nullopt);
        ASSERT_TRUE(again.set) << info.name << ": " << again.error;
        for (const auto& [code, character] : set.Characters()) {
            const SetCharacter* read = again.set->Find(code);
            ASSERT_NE(read, nullptr) << info.name << " " << code;
            EXPECT_EQ(read->pattern, character.pattern) << info.name << " " << code;
            if (info.layout == ByteLayout::WidthPrefixed || info.layout == ByteLayout::GfxFont) {
                EXPECT_EQ(read->width, character.width) << info.name << " keeps the advance";
            }
        }
    }
}

TEST(LibraryTables, AnLcdTableSaysWhatItLeavesOut) {
    const CharacterSet set = CharacterSet::Blank(0, 127);
    EXPECT_EQ(CharactersWritten(set, SetFormat::LcdCharacters), 8);
    EXPECT_EQ(DescribeTableLeftOut(set, SetFormat::LcdCharacters),
              "left out 120 characters past code 7; an LCD has custom characters 0 to 7 only");
}

}  // namespace
}  // namespace zrl
