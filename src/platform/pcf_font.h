#pragma once

#include <QByteArray>

#include "core/formats/bdf_font.h"

namespace zrl {

// PCF, the compiled form of X11's bitmap fonts, starts with these four bytes.
bool IsPcf(const QByteArray& data);

// Reads an unpacked PCF font through FreeType: every glyph with its code, name and box,
// and the font's box as the union of its glyphs' boxes.
ReadFont ReadPcf(const QByteArray& data);

}  // namespace zrl
