#include "core/formats/bdf_font.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/text/unicode_names.h"
#include "support/pattern_rows.h"

namespace zrl {
namespace {

std::string Font(const std::string& box, const std::string& glyphs, int count) {
    return "STARTFONT 2.1\nFONT test\nSIZE 7 75 75\nFONTBOUNDINGBOX " + box +
           "\nSTARTPROPERTIES 1\nFONT_ASCENT 6\nENDPROPERTIES\nCHARS " + std::to_string(count) +
           "\n" + glyphs + "ENDFONT\n";
}

ImportedFont Import(const std::string& text) {
    const ReadFont read = ReadBdf(text);
    EXPECT_TRUE(read.font) << read.error;
    return read.font ? ImportFont(*read.font) : ImportedFont{};
}

// Spacing and average width say the same in the name and in the properties, whether the name
// is the set's own or one that widths changed since.
TEST(BdfFont, TheFontNameAgreesWithItsProperties) {
    CharacterSet set = CharacterSet::Blank(65, 66);
    set.SetWidth(65, 3);
    set.SetFontName("-Misc-Fixed-Medium-R-Normal--7-70-75-75-C-50-ISO10646-1");
    std::string text = WriteBdf(set);
    EXPECT_NE(text.find("FONT -Misc-Fixed-Medium-R-Normal--7-70-75-75-P-50-ISO10646-1\n"),
              std::string::npos);
    EXPECT_NE(text.find("SPACING \"P\"\nAVERAGE_WIDTH 50\n"), std::string::npos);

    set.SetWidth(66, 3);
    set.SetFontName({});
    text = WriteBdf(set);
    EXPECT_NE(text.find("-C-40-ISO8859-1\n"), std::string::npos);
    EXPECT_NE(text.find("SPACING \"C\"\nAVERAGE_WIDTH 40\n"), std::string::npos);
}

TEST(BdfFont, EverySetSurvivesAWriteAndARead) {
    std::mt19937 random(7);
    CharacterSet set = CharacterSet::Blank(32, 126);
    for (const auto& [code, character] : set.Characters()) {
        set.SetPattern(code, Pattern(random()) ^ (Pattern(random()) << 32));
    }
    set.Put(0, {FromRows({"#####"}), "first"});
    set.Put(255, {Pattern().set(), ""});
    set.SetFontName("-Zerlin-Test-Medium-R-Normal--7-70-75-75-C-60-ISO8859-1");

    const ImportedFont back = Import(WriteBdf(set));
    EXPECT_EQ(back.set, set);
    EXPECT_EQ(back.LeftOut(), 0);
    EXPECT_EQ(WriteBdf(back.set), WriteBdf(set)) << "and writes the same file again";
    const CharacterSet unnamed = CharacterSet::Blank(0, 7);
    EXPECT_EQ(Import(WriteBdf(unnamed)).set, unnamed) << "no names come back as no names";
}

TEST(BdfFont, SmallerBoxesAtOffsetsArePlacedInTheCellByTheFontsBox) {
    // X11 style: box 5 7 0 -1, so y = 5 is the top row and y = -1 the row below the baseline.
    const std::string glyphs =
        "STARTCHAR g\nENCODING 103\nBBX 4 5 0 -1\nBITMAP\n70\n90\n60\n80\n70\nENDCHAR\n"
        "STARTCHAR dot\nENCODING 46\nBBX 1 1 2 0\nBITMAP\n80\nENDCHAR\n"
        "STARTCHAR big\nENCODING 66\nBBX 6 7 0 -1\nBITMAP\n04\n00\n00\n00\n00\n00\n00\nENDCHAR\n"
        "STARTCHAR wide\nENCODING 67\nBBX 9 1 0 0\nBITMAP\n8000\nENDCHAR\n"
        "STARTCHAR high\nENCODING 300\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n"
        "STARTCHAR none\nENCODING -1\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n";
    const ImportedFont font = Import(Font("5 7 0 -1", glyphs, 6));
    ASSERT_EQ(font.set.Size(), 4);
    EXPECT_NE(font.set.Find(300), nullptr) << "codes run past 255";
    EXPECT_EQ(font.set.Find(103)->pattern,
              FromRows({".....", ".....", ".###.", "#..#.", ".##..", "#....", ".###."}));
    EXPECT_EQ(font.set.Find(46)->pattern,
              FromRows({".....", ".....", ".....", ".....", ".....", "..#.."}));
    EXPECT_EQ(font.set.Find(67)->pattern,
              FromRows({".....", ".....", ".....", ".....", ".....", "#...."}))
        << "blank margins may lie outside the cell";
    EXPECT_EQ(font.tooLarge, 1);
    EXPECT_EQ(font.outsideCodes, 1);
    EXPECT_EQ(DescribeLeftOut(font),
              "Left out 1 glyph with no code, 1 glyph too large for the 5x7 cell.");
}

TEST(BdfFont, MalformedFilesAreRefusedWithTheLineThatIsWrong) {
    const std::string glyph =
        "STARTCHAR A\nENCODING 65\nBBX 5 7 0 -1\nBITMAP\n70\n88\n88\nF8\n88\n88\n88\nENDCHAR\n";
    const std::string good = Font("5 7 0 -1", glyph, 1);
    ASSERT_TRUE(ReadBdf(good).font);

    const std::pair<std::string, std::string> cases[] = {
        {good.substr(0, good.find("88")), "line 13: the file ends inside glyph \"A\""},
        {good.substr(0, good.find("ENDFONT")), "line 20: the file ends before ENDFONT"},
        {Font("5 7 0 -1", glyph, 2), "line 21: CHARS says 2 glyphs; the font has 1"},
        {Font("5 7 0 -1", "STARTCHAR A\nENCODING 65\nBBX 5 7 0 -1\nBITMAP\n70\n88\nENDCHAR\n", 1),
         "line 15: the BITMAP of line 12 has 2 rows; its BBX says 7"},
        {Font("5 7 0 -1", "STARTCHAR A\nENCODING 65\nBBX 5 1 0 -1\nBITMAP\n70\n88\nENDCHAR\n", 1),
         "line 14: BITMAP has more rows than the 1 of its BBX"},
        {Font("5 7 0 -1", "STARTCHAR A\nENCODING 65\nBBX 5 1 0 -1\nBITMAP\nZ0\nENDCHAR\n", 1),
         "line 13: a BITMAP row is hex digits, not \"Z0\""},
        {Font("5 7 0 -1", "STARTCHAR A\nENCODING x\nBBX 5 1 0 -1\nBITMAP\n70\nENDCHAR\n", 1),
         "line 10: ENCODING needs 1 number"},
        {Font("5 7", glyph, 1), "line 4: FONTBOUNDINGBOX needs 4 numbers"},
        {"\x89PNG\r\n\x1a\n junk", "line 1: not a BDF font: it does not start with STARTFONT"},
        {"", "line 0: not a BDF font: it does not start with STARTFONT"},
    };
    for (const auto& [text, error] : cases) {
        const ReadFont read = ReadBdf(text);
        EXPECT_FALSE(read.font);
        EXPECT_EQ(read.error, error);
    }
    EXPECT_EQ(ReadBdf(std::string(kMaxFontFile + 1, ' ')).error,
              "the file is larger than 16 MB; no bitmap font of up to 32x32 is that large");
}

// What the fuzzer once found: each file reads back the same after a write.
TEST(BdfFont, FuzzerFindingsStayFixed) {
    for (const auto& entry : std::filesystem::directory_iterator(ZRL_FUZZ_REGRESSIONS "/bdf")) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        const ReadFont read = ReadBdf(text.str());
        if (read.font) {
            // Written by Zerlin, a name's fields agree with the properties beside it.
            const CharacterSet set = ImportFont(*read.font).set;
            const CharacterSet back = Import(WriteBdf(set)).set;
            EXPECT_EQ(back.Characters(), set.Characters()) << entry.path();
            EXPECT_EQ(WriteBdf(back), WriteBdf(set)) << entry.path();
            EXPECT_EQ(WriteBdf(ImportFont(*read.font, text.str()).set), text.str())
                << entry.path() << ": kept, it writes back as it was";
        }
    }
}

TEST(CharacterSet, FreeCodesWrapRoundAndPatternsMatchTheField) {
    CharacterSet set = CharacterSet::Blank(0, 7);
    EXPECT_EQ(set.FreeCode(), 8);
    EXPECT_EQ(CharacterSet::Blank(0, 255).FreeCode(), std::nullopt);
    set.Put(255, {});
    EXPECT_EQ(set.FreeCode(255), 8);
    EXPECT_THROW(set.Put(0x110000, {}), std::out_of_range);
    EXPECT_EQ(CharacterSet::Blank(0x10FFFE, 0x10FFFF).FreeCode(0x10FFFE), 0) << "Unicode round";

    CharacterGrid grid;  // the first cell's light grey is unlit
    grid.Toggle(34);
    EXPECT_EQ(PatternOf(grid), Pattern().set(34));
    EXPECT_EQ(GridOf(PatternOf(grid)).Colour(0), UnlitColour);
    EXPECT_EQ(GridOf(PatternOf(grid)).Colour(34), LitColour);
}

// A font with what a set cannot hold: comments and properties of its own, a glyph with no
// code, one of 40x40, CR LF line ends. Opened, it writes back byte for byte; one glyph
// edited changes its own block alone; one added changes CHARS and adds its block.
TEST(UnicodeNames, NamesAndBlocksComeFromTheCharacterDatabase) {
    if (UnicodeBlocks().empty()) {
        GTEST_SKIP() << "built without the Unicode Character Database";
    }
    EXPECT_EQ(CharacterName(0x416), "CYRILLIC CAPITAL LETTER ZHE");
    EXPECT_EQ(CharacterName(0x4E2D), "CJK UNIFIED IDEOGRAPH-4E2D");
    EXPECT_EQ(CharacterName(0xAC01), "HANGUL SYLLABLE GAG");
    EXPECT_EQ(CharacterName(0x1F600), "GRINNING FACE");
    EXPECT_EQ(CharacterName(7), "");
    ASSERT_NE(BlockOf(0x416), nullptr);
    EXPECT_EQ(BlockOf(0x416)->name, "Cyrillic");
    EXPECT_EQ(BlockOf(0x416)->first, 0x400);
}

TEST(BdfFont, AFontKeepsAllThatItsSetDoesNotChange) {
    std::string text =
        "STARTFONT 2.1\nCOMMENT made by hand\nFONT "
        "-Test-Keep-Medium-R-Normal--7-70-75-75-C-60-ISO10646-1\n"
        "SIZE 7 75 75\nFONTBOUNDINGBOX 5 7 0 -1\nSTARTPROPERTIES 2\nCOPYRIGHT \"Share it\"\n"
        "FONT_ASCENT 6\nENDPROPERTIES\nCHARS 4\n"
        "STARTCHAR zhe\nENCODING 1046\nSWIDTH 480 0\nDWIDTH 6 0\nBBX 5 3 0 "
        "0\nBITMAP\nA8\n70\nA8\nENDCHAR\n"
        "\nSTARTCHAR nocode\nENCODING -1\nSWIDTH 480 0\nDWIDTH 6 0\nBBX 1 1 0 "
        "0\nBITMAP\n80\nENDCHAR\n"
        "STARTCHAR huge\nENCODING 1047\nSWIDTH 480 0\nDWIDTH 41 0\nBBX 40 40 0 0\nBITMAP\n" +
        [] {
            std::string rows;
            for (int r = 0; r < 40; ++r) {
                rows += "FFFFFFFFFF\n";
            }
            return rows;
        }() +
        "ENDCHAR\nSTARTCHAR A\nENCODING 65\nSWIDTH 480 0\nDWIDTH 6 0\nBBX 5 7 0 -1\nBITMAP\n"
        "70\n88\n88\nF8\n88\n88\n00\nENDCHAR\nENDFONT\n";
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
        text.replace(at, 1, "\r\n");
    }
    const ReadFont read = ReadBdf(text);
    ASSERT_TRUE(read.font) << read.error;
    CharacterSet set = ImportFont(*read.font, text).set;
    EXPECT_EQ(set.Size(), 2);
    EXPECT_TRUE(set.IsKept(1047)) << "too large to edit";
    EXPECT_EQ(WriteBdf(set), text) << "nothing changed, nothing differs";

    Pattern zhe = set.Find(1046)->pattern;
    zhe.set(static_cast<std::size_t>(kDefaultSize.Index(6, 0)));  // below the glyph's box
    set.SetPattern(1046, zhe);
    const std::string edited = WriteBdf(set);
    const std::size_t start = text.find("STARTCHAR zhe");
    const std::size_t end = text.find("ENDCHAR", start);
    EXPECT_EQ(edited.substr(0, start), text.substr(0, start));
    EXPECT_EQ(edited.substr(edited.find("\r\nSTARTCHAR nocode")),
              text.substr(text.find("\r\nSTARTCHAR nocode")))
        << "every other glyph as it was";
    EXPECT_NE(edited.substr(start, end - start).find("BBX 5 7 0 -1\r\n"), std::string::npos)
        << "a box that holds the new dot";
    EXPECT_EQ(ImportFont(*ReadBdf(edited).font).set.Find(1046)->pattern, zhe);

    set.Put(66, {Pattern(kDefaultSize), {}});
    const std::string added = WriteBdf(set);
    EXPECT_NE(added.find("CHARS 5\r\n"), std::string::npos);
    EXPECT_NE(added.find("\r\nSTARTCHAR char66\r\nENCODING 66\r\n"), std::string::npos);
    EXPECT_TRUE(ReadBdf(added).font) << ReadBdf(added).error;
}

}  // namespace
}  // namespace zrl
