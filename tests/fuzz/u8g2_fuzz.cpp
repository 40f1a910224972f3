// libFuzzer target: any text given to the reader of u8g2's and u8x8's font arrays in C, and
// its bytes as an array themselves. What it reads must write as an array that reads back as
// the same glyphs and writes again as the same bytes.
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/formats/bdf_font.h"
#include "core/formats/font_text.h"
#include "core/formats/u8g2_decoder.h"
#include "core/formats/u8g2_encoder.h"
#include "core/formats/u8x8_font.h"

namespace {

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

std::string Rewritten(zrl::BitmapFont font, int mode) {
    const std::string bdf = zrl::WriteFontText(font);
    return zrl::EncodeU8g2(zrl::ChooseU8g2Glyphs(bdf, {}, {}), mode).bytes;
}

void CheckArray(const zrl::StringArray& array) {
    const zrl::ReadFont read = zrl::DecodeU8g2(array);
    if (read.font) {
        const int mode = static_cast<unsigned char>(array.bytes[1]);
        const std::string bytes = Rewritten(*read.font, mode);
        if (!bytes.empty()) {
            const zrl::ReadFont again = zrl::DecodeU8g2({"again", bytes});
            Check(again.font.has_value() && Rewritten(*again.font, mode) == bytes);
        }
    }
    if (const std::optional<zrl::ReadFont> tiles = zrl::DecodeU8x8(array); tiles) {
        Check(tiles->font.has_value());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const zrl::StringArray& array : zrl::StringArraysIn(text)) {
        CheckArray(array);
    }
    CheckArray({"raw", std::string(text) + '\0'});
    return 0;
}
