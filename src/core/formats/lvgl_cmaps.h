#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/lvgl_glyphs.h"

namespace zrl {

// How LVGL finds a glyph from a code: a range of codes, and how its codes map to glyph ids
// from glyphStart.
enum class LvglCmapType {
    Format0Full = 0,  // a byte per code of the range: the glyph id less glyphStart
    SparseFull = 1,
    Format0Tiny = 2,  // every code of the range, in order
    SparseTiny = 3,   // the listed codes, as offsets from the range's start, in order
};

struct LvglCmap {
    long start = 0;
    int length = 0;  // codes from start, the last included
    int glyphStart = 1;
    LvglCmapType type = LvglCmapType::Format0Tiny;
    // Format0Full: a glyph id offset per code; the sparse types: the codes, as offsets from
    // start.
    std::vector<int> list;
    std::vector<int> ids;  // SparseFull: a glyph id offset per listed code
};

// Its name in C, as lv_font_fmt_txt.h declares it: "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY".
std::string_view LvglCmapTypeName(LvglCmapType type);

// The ranges LVGL's converter splits the codes of its glyphs into: of every split into
// ranges, the one whose ranges its own estimates make smallest, a range costing 16 bytes
// and, beside a run without gaps of up to 256 codes, a byte per code it spans (up to 256)
// or two per code it lists.
std::vector<LvglCmap> SplitLvglCmaps(const std::vector<LvglGlyph>& glyphs);

// Gives the font the glyphs of ids 1 to N at the codes the cmaps give them, in code order,
// of two at one code the one LVGL finds first, and measures its lines; or says why the cmaps
// give none: "" where they do.
std::string GiveCodes(const std::vector<LvglCmap>& cmaps, std::vector<LvglGlyph> glyphs,
                      LvglFont& font);

}  // namespace zrl
