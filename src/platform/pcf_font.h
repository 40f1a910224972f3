#pragma once

#include <QByteArray>
#include <functional>
#include <string>
#include <string_view>

#include "core/formats/bdf_font.h"

namespace zrl {

// PCF, the compiled form of X11's bitmap fonts, starts with these four bytes.
bool IsPcf(const QByteArray& data);

// Reads an unpacked PCF font through FreeType: every glyph with its code, name and box,
// and the font's box as the union of its glyphs' boxes.
ReadFont ReadPcf(const QByteArray& data);

// Takes a text a part at a time.
using TextSink = std::function<void(std::string_view)>;

// Writes the font's BDF text, as WriteFontText writes what ReadPcf reads, a part at a time:
// no glyph's bitmap is held past its own lines, nor the whole text. Returns "", or why the
// font cannot be read, before any part is written.
std::string WritePcfText(const QByteArray& data, const TextSink& write);

}  // namespace zrl
