// libFuzzer target: any bytes as an outline font, rasterised as the program does: every
// code the face has, at a size and threshold the first bytes choose. What comes out must be
// a set that writes as BDF and reads back as the same set.
#include <QByteArray>
#include <cstdlib>

#include "core/formats/bdf_font.h"
#include "platform/font_file.h"
#include "platform/outline_font.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const zrl::OutlineFont font(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!font.IsValid()) {
        return 0;
    }
    zrl::OutlineOptions options;
    options.size.pixels = 1 + data[size - 1] % 24;
    options.threshold = data[size - 2] % 2 == 0 ? 0 : data[size - 2];
    std::vector<int> codes = font.Codes();
    codes.resize(std::min<std::size_t>(codes.size(), 512));
    const zrl::Rasterised made = font.Rasterise(codes, options);
    if (made.font) {
        const zrl::LoadedFont again =
            zrl::LoadFontData(QByteArray::fromStdString(zrl::WriteBdf(made.font->set)));
        if (!again.font || !(again.font->set == made.font->set)) {
            std::abort();
        }
    }
    return 0;
}
