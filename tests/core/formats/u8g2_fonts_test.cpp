// u8g2's and u8x8's font arrays: against the arrays u8g2's own converter makes of its own
// fonts, read back, and refused where u8g2 could not hold them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/formats/bdf_font.h"
#include "core/formats/format_table.h"
#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"

namespace zrl {
namespace {

const std::filesystem::path kFonts = ZRL_U8G2_FONTS;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One line of cases.tsv: the array's name, its BDF, and the converter's options for it.
struct Case {
    std::string name;
    std::string bdf;
    std::string format = "u8g2";
    char box = 't';
    std::string map;
    std::optional<CellSize> tiles;
};

// "-th 2 -tv 2 -f 2 -b 3 -m '32-255'".
void ReadFlags(std::istringstream flags, Case& c) {
    std::string flag, value;
    int across = 1;
    while (flags >> flag >> std::ws) {
        if (flags.peek() == '\'') {
            flags.get();
            std::getline(flags, value, '\'');
        } else {
            flags >> value;
        }
        if (flag == "-f") {
            c.format = value == "2" ? "u8x8" : "u8g2";
        } else if (flag == "-b") {
            c.box = "thm8"[std::stoi(value)];
        } else if (flag == "-m") {
            c.map = value;
        } else if (flag == "-th") {
            across = std::stoi(value);
        } else if (flag == "-tv") {
            c.tiles = CellSize{across, std::stoi(value)};
        }
    }
}

std::vector<Case> Cases() {
    std::istringstream lines(FileText(kFonts / "cases.tsv"));
    std::vector<Case> cases;
    std::string line;
    std::getline(lines, line);  // the column names
    while (std::getline(lines, line)) {
        std::istringstream columns(line);
        Case c;
        std::string flags;
        std::getline(columns, c.name, '\t');
        std::getline(columns, c.bdf, '\t');
        std::getline(columns, flags, '\t');
        ReadFlags(std::istringstream(flags), c);
        cases.push_back(c);
    }
    return cases;
}

TableFormat FormatFor(const Case& c) {
    TableFormat format{*FormatNamed(c.format), Language::C, c.name};
    std::string error;
    format.map = CodeMap::Parse(c.map, error);
    format.box = c.format == "u8g2" ? c.box : '\0';
    format.tiles = c.tiles;
    return format;
}

CharacterSet FontIn(const std::string& text) {
    const ReadFont read = ReadBdf(text);
    EXPECT_TRUE(read.font) << read.error;
    return read.font ? ImportFont(*read.font, text).set : CharacterSet();
}

class U8g2Fonts : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kFonts / "cases.tsv")) {
            GTEST_SKIP() << "no u8g2 fonts beside the project at " << kFonts;
        }
    }
};

// Glyphs past 32x32 too, and BDF files without CHARS or ENDFONT, with glyphs outside their
// own box, Unicode parts with several table blocks, and every box.
TEST_F(U8g2Fonts, EveryArrayIsWrittenAsU8g2WritesItAndReadsBackToTheSameText) {
    for (const Case& c : Cases()) {
        const std::string expected = FileText(kFonts / "expected" / (c.name + ".c"));
        const CharacterSet font = FontIn(FileText(kFonts / "bdf" / c.bdf));
        const TableFormat format = FormatFor(c);
        ASSERT_EQ(WhyNotWritten(font, format), "") << c.name;
        EXPECT_EQ(WriteTable(font, format), expected) << c.name;

        const ParsedSet read = ReadSetText(expected, std::nullopt);
        ASSERT_TRUE(read.set) << c.name << ": " << read.error;
        EXPECT_EQ(WriteTable(*read.set, {*FormatNamed(c.format), Language::C, c.name}), expected)
            << c.name << " read back, in its own box";
    }
}

TEST_F(U8g2Fonts, U8x8sShippedArraysReadBackToTheSameText) {
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kFonts / "shipped")) {
        const std::string text = FileText(entry.path());
        const ParsedSet set = ReadSetText(text, std::nullopt);
        ASSERT_TRUE(set.set) << entry.path() << ": " << set.error;
        const std::string name = entry.path().stem().string();
        EXPECT_EQ(WriteTable(*set.set, {*FormatNamed("u8x8"), Language::C, name}), text) << name;
        ++read;
    }
    EXPECT_EQ(read, 6);
}

// A set of no font file's, in each box and back: its dots come back where they were, and the
// array it reads back as writes again byte for byte.
TEST(U8g2Font, EachBoxReadsBackAsItsOwnDotsAndWritesAgainTheSame) {
    std::mt19937 random(11);
    CharacterSet set(CellSize{7, 8}, 2);
    for (const int code : {32, 65, 103, 200, 0x416, 0x2603}) {
        Pattern pattern(CellSize{7, 8});
        const int width = 1 + static_cast<int>(random() % 6);
        for (int dot = 0; dot < 7 * 8 && code != 32; ++dot) {
            pattern.set(static_cast<std::size_t>(dot), dot % 7 <= width && random() % 3 == 0);
        }
        set.Put(code, {pattern, {}, width});
    }
    for (const char box : {'t', 'h', 'm', '8'}) {
        TableFormat format{*FormatNamed("u8g2"), Language::C, "f"};
        format.box = box;
        const std::string written = WriteTable(set, format);
        const ParsedSet read = ReadSetText(written, std::nullopt);
        ASSERT_TRUE(read.set) << box << ": " << read.error;
        EXPECT_EQ(WriteTable(*read.set, {*FormatNamed("u8g2"), Language::C, "f"}), written) << box;
        ASSERT_EQ(read.set->Size(), set.Size()) << box;
        const CellSize cell = read.set->Cell();
        for (const auto& [code, character] : set.Characters()) {
            // The read set's cell holds the ink alone, from the baseline's rows.
            const Pattern& back = read.set->Find(code)->pattern;
            for (int row = 0; row < 8; ++row) {
                for (int column = 0; column < 7; ++column) {
                    const int r = row - set.Ascent() + read.set->Ascent();
                    const int c = column + read.set->OriginColumn();
                    const bool inside = r >= 0 && r < cell.height && c < cell.width;
                    EXPECT_EQ(character.pattern.Lit(row, column), inside && back.Lit(r, c))
                        << box << " U+" << code << " row " << row << " column " << column;
                }
            }
            if (box == 't' || box == 'h') {
                EXPECT_EQ(read.set->Find(code)->width, character.width) << box << " " << code;
            }
        }
    }
}

TEST(U8g2Font, WhatU8g2CannotHoldIsRefusedByName) {
    TableFormat format{*FormatNamed("u8g2"), Language::C, "f"};
    CharacterSet astral(CellSize{8, 8});
    Pattern dot(CellSize{8, 8});
    dot.set(9);
    astral.Put(65, {dot, {}, 7});
    astral.Put(0x1F600, {dot, "grinning", 7});
    EXPECT_EQ(WhyNotWritten(astral, format),
              "a u8g2 font holds 16-bit codes, up to U+FFFF; glyph \"grinning\" (U+1F600) is "
              "past them: move it below with A-B>C in the map");
    std::string error;
    format.map = CodeMap::Parse("65,$1F600>$E000", error);
    EXPECT_EQ(WhyNotWritten(astral, format), "");

    // Runs that change at every pair take more than u8g2's 254 bytes a glyph, but in a
    // tile's 8x8 box.
    CharacterSet noise(CellSize{32, 32});
    Pattern dots(CellSize{32, 32});
    for (std::size_t at = 0; at < static_cast<std::size_t>(dots.Size().Cells()); ++at) {
        dots.set(at, at % 5 == 0 || at % 5 == 2);
    }
    noise.Put(66, {dots, {}, 31});
    format.map = {};
    const std::string why = WhyNotWritten(noise, format);
    EXPECT_TRUE(why.starts_with("glyph \"char66\" (U+0042) takes ")) << why;
    EXPECT_TRUE(why.ends_with(" bytes in box t; a u8g2 glyph takes at most 254; box 8 fits it"))
        << why;

    format.map = CodeMap::Parse("300-400", error);
    EXPECT_EQ(WhyNotWritten(noise, format), "the map chooses none of the font's glyphs");
}

}  // namespace
}  // namespace zrl
