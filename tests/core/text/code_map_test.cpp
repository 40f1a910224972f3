#include "core/text/code_map.h"

#include <gtest/gtest.h>

#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"
#include "core/text/code_text.h"

namespace zrl {
namespace {

// ASCII and Cyrillic, each character's dots spelling its own code.
CharacterSet AsciiAndCyrillic() {
    CharacterSet set;
    for (int code = 32; code <= 126; ++code) {
        set.Put(code, {Pattern(static_cast<unsigned long long>(code)), {}});
    }
    for (int code = 0x400; code <= 0x4FF; ++code) {
        set.Put(code, {Pattern(static_cast<unsigned long long>(code)), {}});
    }
    return set;
}

// Where each chosen character came from, by the code it went to.
std::map<int, int> Chosen(std::string_view text, std::vector<int> codes = {}) {
    std::string error;
    const CodeMap map = CodeMap::Parse(text, error);
    EXPECT_EQ(error, "") << text;
    const Selection selection = Select(AsciiAndCyrillic(), map, codes);
    std::map<int, int> chosen;
    for (const auto& [code, character] : selection.set.Characters()) {
        int source = 0;
        for (int bit = 0; bit < 21; ++bit) {
            source |= character.pattern[static_cast<std::size_t>(bit)] ? 1 << bit : 0;
        }
        chosen[code] = source;
    }
    return chosen;
}

TEST(CodeMap, CommandsApplyLeftToRightTheLaterDecidingForTheCodesItNames) {
    EXPECT_EQ(Chosen("32-126,$410-$44F").size(), 159u);
    EXPECT_EQ(Chosen("32-126, $410-$44F, ~$420").count(0x420), 0u);
    EXPECT_EQ(Chosen("32-126,~65").count(65), 0u) << "~ after a range takes from it";
    EXPECT_EQ(Chosen("~65,32-126").count(65), 1u) << "a range after ~ gives back";
    EXPECT_EQ(Chosen("*,~$400-$4FF").size(), 95u);
    EXPECT_EQ(Chosen("*").size(), 95u + 256u);

    // > onto codes another command chose: the later command's character has the code.
    const std::map<int, int> cyrillicOver = Chosen("65-70,$410-$415>65");
    EXPECT_EQ(cyrillicOver.size(), 6u);
    EXPECT_EQ(cyrillicOver.at(65), 0x410);
    const std::map<int, int> latinOver = Chosen("$410-$415>65,65-70");
    EXPECT_EQ(latinOver.size(), 6u);
    EXPECT_EQ(latinOver.at(65), 65);
    // ~ names the codes a character has, not where it went.
    const std::map<int, int> moved = Chosen("$410-$44F>$C0,~$420");
    EXPECT_EQ(moved.size(), 63u);
    EXPECT_EQ(moved.at(0xC0), 0x410);
    EXPECT_EQ(moved.count(0xD0), 0u);

    std::string error;
    const CodeMap map = CodeMap::Parse("$410-$44F>$C0,~$420", error);
    EXPECT_EQ(Select(AsciiAndCyrillic(), map, {}).moved,
              "U+0410-U+041F at 0xC0-0xCF, U+0421-U+044F at 0xD1-0xFF");
}

TEST(CodeMap, AMapThatDoesNotParseIsRefusedAtItsColumn) {
    const std::pair<std::string_view, std::string_view> wrong[] = {
        {"32-", "column 4: a code was expected"},
        {"32,,33", "column 4: a code was expected"},
        {"$41G", "column 4: a comma or the end was expected"},
        {"$", "column 2: hexadecimal digits were expected after $"},
        {"70-65", "column 1: the range runs backwards"},
        {"32,$110000", "column 4: codes run from 0 to U+10FFFF ($10FFFF)"},
        {"1-10>$10FFFF", "column 6: the range moved there runs past U+10FFFF"},
        {"~1>2", "column 3: a comma or the end was expected"},
    };
    for (const auto& [map, why] : wrong) {
        std::string error;
        EXPECT_TRUE(CodeMap::Parse(map, error).IsEmpty());
        EXPECT_EQ(error, why) << map;
    }
}

TEST(CodeMap, ATextChoosesItsCharactersAndNamesThoseTheSetLacks) {
    const TextCodes text =
        CodesOfText("Привет, 世界 \xF0\x9F\x98\x80\r\n\xC3(\xE0\x80\xAF\xF0\x9F");
    EXPECT_EQ(text.malformed, 3) << "a lead without its bytes, an overlong form, a cut end";
    EXPECT_EQ(text.codes, (std::vector<int>{' ', '(', ',', 0x41F, 0x432, 0x435, 0x438, 0x440, 0x442,
                                            0x4E16, 0x754C, 0x1F600}));
    const std::map<int, int> chosen = Chosen("$440>$C0", text.codes);
    EXPECT_EQ(chosen.size(), 9u) << "the text's seven of the set, the map's р moved";
    EXPECT_EQ(chosen.at(0xC0), 0x440);
    EXPECT_EQ(chosen.count(0x440), 0u) << "the map decides for the code it names";
    std::string error;
    EXPECT_EQ(
        ListedCharacters(Select(AsciiAndCyrillic(), CodeMap::Parse("", error), text.codes).absent),
        "世, 界, 😀");
}

TEST(CodeMap, ASparseTableReadsBackAsTheSameSetInEveryLayoutAndLanguage) {
    CharacterSet set(CellSize{6, 9});
    for (const int code : {65, 0x416, 0x1F600}) {
        set.Put(code, {Pattern(static_cast<unsigned long long>(code) * 0x9E37, {6, 9}), {}});
    }
    for (const LayoutInfo& info : Layouts()) {
        for (const Language language : {Language::C, Language::Arduino, Language::Python}) {
            TableFormat format{info.layout, language, "glyphs"};
            format.sparse = true;
            if (!WhyNotWritten(set, format).empty()) {
                continue;
            }
            const std::string text = WriteTable(set, format);
            EXPECT_NE(text.find("uint32_t") == std::string::npos, language != Language::Python)
                << "a code past U+FFFF needs 32 bits";
            const ParsedSet again = ReadSetText(text, std::nullopt, set.Cell());
            ASSERT_TRUE(again.set) << info.name << ": " << again.error;
            EXPECT_EQ(again.set->Size(), 3) << info.name;
            EXPECT_EQ(again.set->Find(0x1F600)->pattern, set.Find(0x1F600)->pattern) << info.name;
        }
    }
}

}  // namespace
}  // namespace zrl
