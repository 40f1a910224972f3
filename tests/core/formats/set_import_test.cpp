#include "core/formats/set_import.h"

#include <gtest/gtest.h>

#include <random>

#include "core/formats/set_export.h"
#include "support/pattern_rows.h"

namespace zrl {
namespace {

CharacterSet Printable() {
    std::mt19937 random(11);
    CharacterSet set = CharacterSet::Blank(32, 126);
    for (const auto& [code, character] : set.Characters()) {
        set.SetPattern(code, Pattern(random()) ^ (Pattern(random()) << 32));
    }
    return set;
}

TEST(SetImport, EachFormReadsBackTheSetItWrote) {
    const CharacterSet set = Printable();
    for (const ListingOrder order : {ListingOrder::ByRow, ListingOrder::ByColumn}) {
        const ParsedSet basic = ReadSetText(WriteBasicBlock(set, order), std::nullopt);
        ASSERT_TRUE(basic.set) << basic.error;
        EXPECT_EQ(*basic.set, set);
    }
    const ParsedSet c = ReadSetText(WriteCFontTable(set, "font"), std::nullopt);
    ASSERT_TRUE(c.set) << c.error;
    EXPECT_EQ(*c.set, set);

    CharacterSet lcd;  // with a gap: code 5 has no character
    for (int code : {0, 1, 2, 3, 4, 6, 7}) {
        lcd.Put(code, {set.Find(65 + code)->pattern, {}});
    }
    const ParsedSet back = ReadSetText(WriteLcdTable(lcd, "lcd"), std::nullopt);
    ASSERT_TRUE(back.set) << back.error;
    EXPECT_EQ(*back.set, lcd);

    CharacterSet gaps;
    gaps.Put(40, {FromRows({"#"}), {}});
    gaps.Put(43, {FromRows({".#"}), {}});
    EXPECT_EQ(*ReadSetText(WriteCFontTable(gaps, "font"), std::nullopt).set, gaps);
}

TEST(SetImport, ATableWithoutItsOwnCommentTakesTheFirstCodeItIsGiven) {
    const std::string table =
        "const uint8_t f[] = {\n  0x7E, 0x09, 0x09, 0x09, 0x7E, // A\n"
        "  0x7F, 0x49, 0x49, 0x49, 0x36 // B\n};";
    EXPECT_EQ(ReadCFontTable(table, std::nullopt).error, "the table does not say its first code");
    const ParsedSet read = ReadCFontTable(table, 65);
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->Size(), 2);
    EXPECT_EQ(read.set->Find(66)->pattern[CellIndex(6, 1)], true);
}

TEST(SetImport, WhatIsNoTableIsRefusedSayingWhy) {
    const std::pair<std::string, std::string> cases[] = {
        {"// 5x7 font: first code 32\n{ 0x80, 0, 0, 0, 0, }",
         "character 32 (line 2): value 1 (0x80) has a dot below the 7 rows"},
        {"// first code 32\n{ 1, 2, 3, 4, 5, 6, }", "the table's bytes are not five to each"},
        {"' 65 A\nData &B00000\nData &B00000\nData &B00000\nData &B00000\nData &B00000\n"
         "Data &B00000",
         "character 65 (line 1): 6 lines;"},
        {"Data &B00000", "line 1: each character starts with a comment naming its code"},
        {"' 1114112\n00000\n00000\n00000\n00000\n00000\n00000\n00000",
         "character 1114112 (line 1): codes run from 0 to U+10FFFF"},
        {std::string(kMaxSetText + 1, ' '), "the text is over 16 MB"},
    };
    for (const auto& [text, error] : cases) {
        const ParsedSet read = ReadSetText(text, std::nullopt);
        EXPECT_FALSE(read.set) << text.substr(0, 60);
        EXPECT_EQ(read.error.rfind(error, 0), 0u) << "said: " << read.error;
    }
}

}  // namespace
}  // namespace zrl
