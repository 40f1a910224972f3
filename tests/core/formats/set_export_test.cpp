#include "core/formats/set_export.h"

#include <gtest/gtest.h>

#include "core/text/c_initializer.h"
#include "core/text/data_listing.h"
#include "support/pattern_rows.h"

namespace zrl {
namespace {

const Pattern kA = FromRows({".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"});

CharacterSet TwoWithAGap() {
    CharacterSet set;
    set.Put(65, {kA, ""});
    set.Put(67, {FromRows({"#####"}), "C"});
    return set;
}

TEST(SetExport, ACFontTableHasEachCharactersBytesAtItsOffset) {
    const std::string table = WriteCFontTable(TwoWithAGap(), "glyphs");
    EXPECT_EQ(table,
              "// 5x7 font: first code 65, 3 characters, 5 bytes each: one per column from the "
              "left, bit 0 the top row; a character's bytes start at (code - 65) * 5\r\n"
              "static const unsigned char glyphs[] = {\r\n"
              "    0x7E, 0x09, 0x09, 0x09, 0x7E,  // 65 'A'\r\n"
              "    0x00, 0x00, 0x00, 0x00, 0x00,  // 66 (no character)\r\n"
              "    0x01, 0x01, 0x01, 0x01, 0x01,  // 67 'C'\r\n"
              "};\r\n");
}

TEST(SetExport, ABasicBlockIsEachListingAfterACommentNamingItsCode) {
    CharacterSet set = TwoWithAGap();
    set.Put(32, {});
    set.Put(7, {});
    const std::string blank = BuildColData(CharacterGrid());
    EXPECT_EQ(WriteBasicBlock(set, ListingOrder::ByColumn),
              "' 7\r\n" + blank + "\r\n' 32 space\r\n" + blank + "\r\n' 65 A\r\n" +
                  BuildColData(GridOf(kA)) + "\r\n' 67 C\r\n" +
                  BuildColData(GridOf(FromRows({"#####"}))));
}

TEST(SetExport, LcdCharactersAreTheFirstEightCodesAsRows) {
    CharacterSet set;
    set.Put(2, {kA, ""});
    set.Put(65, {kA, ""});  // beyond the LCD's eight: left out
    const std::string table = WriteLcdTable(set, "lcd");
    EXPECT_NE(table.find("static const unsigned char lcd[8][8] = {\r\n"), std::string::npos);
    EXPECT_NE(table.find("    " + BuildCRows(GridOf(kA)) + ",  // 2\r\n"), std::string::npos);
    EXPECT_NE(table.find("// 7 (no character)\r\n};\r\n"), std::string::npos);
    EXPECT_EQ(table.find("65"), std::string::npos);
}

}  // namespace
}  // namespace zrl
