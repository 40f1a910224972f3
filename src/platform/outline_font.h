#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/formats/bitmap_font.h"
#include "core/text/code_map.h"

namespace zrl {

// How FreeType fits outlines to the pixel grid: the font's own instructions (TrueType's
// interpreter version 35), FreeType's auto-hinter, its light hinting, or none.
enum class Hinting { Native, Auto, Light, None };
std::optional<Hinting> HintingNamed(std::string_view name);

// The em in pixels, or in points at a resolution (141 dpi by default).
struct OutlineSize {
    std::optional<int> pixels;
    std::optional<double> points;
    int dpi = 141;

    bool IsGiven() const { return pixels.has_value() || points.has_value(); }
    // "12 px", "9 pt"
    QString Text() const;
};

struct OutlineOptions {
    OutlineSize size;
    Hinting hinting = Hinting::Native;
    int threshold = 0;             // 1 to 255: greyscale cut there; 0: monochrome
    std::optional<CellSize> cell;  // none: the smallest that holds every glyph
};

// What a rasterised font became: the set (every glyph on one baseline, with the font's
// advances and line height, its BDF text carrying family, style, size and copyright), the
// codes the font has no glyph for, and the glyphs a given cell cut; or why there is none.
struct Rasterised {
    std::optional<ImportedFont> font;
    std::vector<int> missing;
    std::vector<int> cut;
    QString error;
};

// Whether a file's first bytes are a TrueType or OpenType font, or a collection of them.
bool IsOutlineFont(const QByteArray& head);

// One face of a TrueType or OpenType font, read through FreeType once and rasterised at
// any size as often as asked.
class OutlineFont {
public:
    OutlineFont(QByteArray data, int face = 0);
    // The face of a font file; one that cannot be read (or is over 256 MB, and not read)
    // says why in Error().
    static OutlineFont FromFile(const QString& path, int face = 0);
    ~OutlineFont();
    OutlineFont(OutlineFont&&) noexcept;
    OutlineFont& operator=(OutlineFont&&) noexcept;

    bool IsValid() const;
    QString Error() const;  // why the face cannot be read
    QString Family() const;
    QString Style() const;
    // The codes the face draws, in order.
    const std::vector<int>& Codes() const;
    // How many faces the file holds, and another of them.
    int Faces() const;
    OutlineFont WithFace(int face) const;

    // The glyphs of the codes at the size; a size whose cell would be over 255x255 (with no
    // cell given) is refused, naming the cell and the largest size that fits.
    Rasterised Rasterise(const std::vector<int>& codes, const OutlineOptions& options) const;
    // The codes a map and a text want; those the face lacks are missing with the others.
    Rasterised Rasterise(const WantedCodes& wanted, const OutlineOptions& options) const;

private:
    std::optional<OutlineSize> LargestFitting(const std::vector<int>& codes,
                                              const OutlineOptions& options,
                                              const GlyphBox& cell) const;

    struct Face;
    std::unique_ptr<Face> face_;
};

}  // namespace zrl
