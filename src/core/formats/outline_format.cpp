// TrueType and OpenType fonts and their collections, rasterised at a size by the platform's
// font engine (FreeType) into a set: every glyph on one baseline, in the smallest cell that
// holds them (outline_cell.h).
#include "core/formats/format.h"

namespace zrl {

namespace {

Certainty Detect(std::string_view bytes) {
    for (const std::string_view signature :
         {std::string_view("\0\1\0\0", 4), std::string_view("OTTO"), std::string_view("true"),
          std::string_view("ttcf")}) {
        if (bytes.starts_with(signature)) {
            return Certainty::Signed;
        }
    }
    return Certainty::None;
}

}  // namespace

extern const Format kOutlineFormat{
    .name = "outline",
    .summary = "a TrueType or OpenType font, or a collection of them, rasterised at a size",
    .extensions = "ttf otf ttc",
    .source = Source::Outline,
    .options = kRasterised,
    .limits = {.widths = true},
    .detect = Detect,
};

}  // namespace zrl
