#pragma once

#ifdef ZRL_HAVE_FREETYPE

#include <ft2build.h>
#include FT_FREETYPE_H

#include "core/formats/bitmap_font.h"

namespace zrl {

// The glyph FreeType has just rendered in the slot, at the code: its box from the origin,
// its advance and its rows. A pixel of a
// greyscale bitmap (or a colour one's alpha) is lit from `threshold` up; a monochrome
// bitmap's pixels are as they are.
BitmapGlyph GlyphInSlot(FT_GlyphSlot slot, long code, int threshold);

}  // namespace zrl

#endif
