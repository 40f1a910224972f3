// LVGL's fonts: against what LVGL's own converter writes for the same glyphs, LVGL's own
// unscii fonts read in and written again, and refused where they cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/formats/format_table.h"
#include "core/formats/lvgl_binary.h"
#include "core/formats/lvgl_binary_reader.h"
#include "core/formats/lvgl_c_text.h"
#include "core/formats/lvgl_cmaps.h"
#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"

namespace zrl {
namespace {

const std::filesystem::path kMade = ZRL_LVGL_MADE;
const std::filesystem::path kShipped = ZRL_LVGL_FONTS;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

LvglFont Read(const std::filesystem::path& path) {
    const ReadLvgl read = ReadLvglFontText(FileText(path));
    EXPECT_EQ(read.error, "");
    return read.font.value_or(LvglFont{});
}

ParsedSet ReadText(std::string_view text) {
    return ReadSetText(text, std::nullopt, kDefaultSize, {});
}

std::string From(const std::string& text, std::string_view start) {
    const std::size_t at = text.find(start);
    return at == std::string::npos ? std::string() : text.substr(at);
}

// The first line where two texts differ, with its number; "" where they are the same.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::istringstream left(a), right(b);
    std::string x, y;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(left, x));
        if (more != static_cast<bool>(std::getline(right, y)) || x != y) {
            return std::to_string(line) + ": " + (more ? x : "(end)") + " | " + y;
        }
        if (!more) {
            return {};
        }
    }
}

// Given the glyphs the converter wrote in C, the writers write its tables and its bytes. Only
// the head's typographic ascent and line gap differ: the converter takes them from an outline
// font's OS/2 table, which a bitmap font has none of.
TEST(LvglFonts, TheConvertersGlyphsAreWrittenAsTheConverterWritesThem) {
    const LvglFont font = Read(kMade / "dejavu_sans_12.c");
    ASSERT_EQ(font.glyphs.size(), 172u);
    const std::string converter = FileText(kMade / "dejavu_sans_12.c");
    const std::string ours = LvglFontText(font, {"dejavu_sans_12", "--export lvgl"});
    EXPECT_EQ(FirstDifference(From(ours, "/*-----------------\n *    BITMAPS"),
                              From(converter, "/*-----------------\n *    BITMAPS")),
              "");
    // A bitmap font's advances are whole pixels; the converter's binary rounds an outline
    // font's own, where its C text has them in sixteenths.
    std::string bytes = FileText(kMade / "dejavu_sans_12.bin");
    const ReadLvgl back = ReadLvglBinaryFont(bytes);
    ASSERT_TRUE(back.font) << back.error;
    ASSERT_EQ(back.font->glyphs.size(), font.glyphs.size());
    LvglFont whole = font;
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        EXPECT_EQ(back.font->glyphs[i].bits, font.glyphs[i].bits) << font.glyphs[i].code;
        EXPECT_EQ(back.font->glyphs[i].box.y, font.glyphs[i].box.y) << font.glyphs[i].code;
        whole.glyphs[i].advance16 = back.font->glyphs[i].advance16;
    }
    std::string written = LvglBinaryFont(whole);
    ASSERT_EQ(written.size(), bytes.size());
    for (const std::size_t typographic : {20, 21, 24, 25}) {
        written[typographic] = bytes[typographic] = 0;
    }
    EXPECT_TRUE(written == bytes);
}

std::vector<LvglGlyph> Glyphs(std::initializer_list<std::pair<long, long>> runs) {
    std::vector<LvglGlyph> glyphs;
    for (const auto& [first, last] : runs) {
        for (long code = first; code <= last; ++code) {
            glyphs.push_back({code, 16, {}, {}});
        }
    }
    return glyphs;
}

std::string Split(const std::vector<LvglGlyph>& glyphs) {
    std::string out;
    for (const LvglCmap& cmap : SplitLvglCmaps(glyphs)) {
        out += std::to_string(cmap.start) + "+" + std::to_string(cmap.length) +
               "fsts"[static_cast<int>(cmap.type)] + " ";
    }
    return out;
}

// As the converter split DejaVu Sans's codes: the cheapest split by its estimates, the
// longest last range where two are as cheap, a run of over 256 codes cut from its start.
TEST(LvglFonts, SplitsCodesAsTheConverterDoes) {
    EXPECT_EQ(Split(Glyphs({{0xA0, 0x2E9}})), "160+74t 234+256t 490+256t ");
    EXPECT_EQ(Split(Glyphs({{0x20, 0x20}, {0x41, 0x44}})), "32+37s ");
    EXPECT_EQ(Split(Glyphs({{100, 100}, {103, 103}})), "100+4f ");
    EXPECT_EQ(Split(Glyphs({{0x400, 0x400}, {0x500, 0x500}})), "1024+257s ");
    EXPECT_EQ(Split(Glyphs({{0x400, 0x500}})), "1024+1t 1025+256t ");
    EXPECT_EQ(Split(Glyphs({{768, 768}, {66304, 66304}})), "768+1t 66304+1t ");
    std::vector<LvglGlyph> every = Glyphs({{0x4FF, 0x4FF}});
    for (long code = 0x4FE; code >= 0x400; code -= 2) {
        every.insert(every.begin(), LvglGlyph{code, 16, {}, {}});
    }
    EXPECT_EQ(Split(every), "1024+256f ");
    // CJK as the converter split WenQuanYi Micro Hei's: every other code of a block, a run
    // one past 256 codes, and fifty scattered.
    std::vector<LvglGlyph> cjk = Glyphs({{32, 126}, {0x5000, 0x5100}});
    for (long code = 0x4E00; code < 0x4F00; code += 2) {
        cjk.push_back({code, 16, {}, {}});
    }
    for (long i = 0; i < 50; ++i) {
        cjk.push_back({0x6000 + i * 977 % 8000, 16, {}, {}});
    }
    std::sort(cjk.begin(), cjk.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
    EXPECT_EQ(Split(cjk), "32+95t 19968+255f 20480+256t 20736+11714s ");
}

// LVGL's own fonts read in as LVGL draws them, and written again with every value the same:
// their blank space a one-dot box above the glyphs, their lines as they say them.
TEST(LvglFonts, LvglsOwnFontsReadInAndAreWrittenAgain) {
    for (const std::string name : {"lv_font_unscii_8.v8.3.9.c", "lv_font_unscii_8.v9.2.2.c",
                                   "lv_font_unscii_16.v8.3.9.c", "lv_font_unscii_16.v9.2.2.c"}) {
        SCOPED_TRACE(name);
        const std::string text = FileText(kShipped / name);
        const LvglFont shipped = Read(kShipped / name);
        const ParsedSet set = ReadText(text);
        ASSERT_TRUE(set.set) << set.error;
        EXPECT_EQ(set.set->Size(), 96);
        const LvglFont again = LvglFontOf(*set.set);
        ASSERT_EQ(again.glyphs.size(), shipped.glyphs.size());
        for (std::size_t i = 0; i < again.glyphs.size(); ++i) {
            const LvglGlyph& a = again.glyphs[i];
            const LvglGlyph& b = shipped.glyphs[i];
            EXPECT_EQ(std::tie(a.code, a.advance16, a.box.width, a.box.height, a.box.x, a.box.y),
                      std::tie(b.code, b.advance16, b.box.width, b.box.height, b.box.x, b.box.y));
            EXPECT_EQ(a.bits, b.bits) << a.code;
        }
        EXPECT_EQ(std::pair(again.lineHeight, again.baseLine),
                  std::pair(shipped.lineHeight, shipped.baseLine));
        const std::string written = WriteTable(*set.set, TableFormat(*FormatNamed("lvgl")));
        const LvglFont reread = Read(kShipped / name);
        EXPECT_EQ(ReadLvglFontText(written).font->glyphs.size(), reread.glyphs.size());
        const std::string bytes = WriteTable(*set.set, TableFormat(*FormatNamed("lvgl-bin")));
        const ParsedSet fromBytes = ReadText(bytes);
        ASSERT_TRUE(fromBytes.set) << fromBytes.error;
        EXPECT_EQ(WriteTable(*fromBytes.set, TableFormat(*FormatNamed("lvgl-bin"))), bytes);
    }
}

TEST(LvglFonts, WhatCannotBeReadIsRefusedSayingWhere) {
    std::string text = FileText(kShipped / "lv_font_unscii_8.v9.2.2.c");
    std::string deeper = text;
    deeper.replace(deeper.find(".bpp = 1"), 8, ".bpp = 4");
    EXPECT_EQ(ReadText(deeper).error,
              "the font has 4 bits per pixel; only fonts of 1 bit per pixel are read");
    const std::string cut = text.substr(0, text.find("static const lv_font_fmt_txt_cmap_t"));
    EXPECT_EQ(ReadText(cut).error, "it declares no cmaps");
    const std::string open = text.substr(0, text.find("{.bitmap_index = 190,"));
    EXPECT_EQ(ReadText(open).error, "glyph_dsc ends before its closing brace");
    const std::string bytes = FileText(kMade / "dejavu_sans_12.bin");
    EXPECT_EQ(ReadText(bytes.substr(0, 100)).error,
              "the cmap table at byte 48 says 104 bytes, past the font's 100");
    EXPECT_EQ(ReadText(bytes.substr(0, 1000)).error,
              "the glyf table at byte 512 says 1688 bytes, past the font's 1000");
}

// What the fuzzer once found: what reads writes a binary font that reads back, and what
// LVGL's fields cannot hold is refused.
TEST(LvglFonts, FuzzerFindingsStayFixed) {
    for (const auto& entry : std::filesystem::directory_iterator(ZRL_FUZZ_REGRESSIONS "/lvgl")) {
        const std::string bytes = FileText(entry.path());
        const ReadLvgl read =
            StartsLvglBinaryFont(bytes) ? ReadLvglBinaryFont(bytes) : ReadLvglFontText(bytes);
        if (read.font) {
            const ReadLvgl back = ReadLvglBinaryFont(LvglBinaryFont(*read.font));
            EXPECT_TRUE(back.font) << entry.path() << ": " << back.error;
        }
    }
}

}  // namespace
}  // namespace zrl
