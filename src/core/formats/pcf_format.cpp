// PCF, the compiled form of X11's bitmap fonts, read as X's own pcf2bdf writes it: its
// glyphs through the platform's font engine (FreeType), the rest of it by the platform's
// reader of its tables.
#include "core/formats/format.h"

namespace zrl {

namespace {

Certainty Detect(std::string_view bytes) {
    return bytes.starts_with(std::string_view("\1fcp", 4)) ? Certainty::Signed : Certainty::None;
}

}  // namespace

extern const Format kPcfFormat{
    .name = "pcf",
    .summary = "X11's compiled bitmap font, read as pcf2bdf writes it",
    .extensions = "pcf",
    .source = Source::Font,
    .limits = {.widths = true},
    .detect = Detect,
};

}  // namespace zrl
