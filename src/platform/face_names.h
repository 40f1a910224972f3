#pragma once

#include <string>

#ifdef ZRL_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#endif

namespace zrl {

// What an outline face says of itself, as a BDF font's properties say it.

// BDF's string property: in double quotes, a quote doubled, on one line.
std::string QuotedProperty(const std::string& text);

#ifdef ZRL_HAVE_FREETYPE
// The face's copyright notice, English where it has several, its lines joined by spaces.
std::string CopyrightOf(FT_Face face);
#endif

}  // namespace zrl
