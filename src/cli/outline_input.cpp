#include "outline_input.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>

#include "core/text/code_map.h"
#include "platform/outline_font.h"
#include "say.h"

namespace zrl {

namespace {

const QString kPixels = QStringLiteral("pixels");
const QString kPoints = QStringLiteral("points");
const QString kDpi = QStringLiteral("dpi");
const QString kHinting = QStringLiteral("hinting");
const QString kThreshold = QStringLiteral("threshold");
const QString kCell = QStringLiteral("cell");
const QString kFace = QStringLiteral("face");

// A whole number from `low` to `high`, or none after saying what the option takes.
std::optional<int> NumberOf(const QCommandLineParser& parser, const QString& option, int low,
                            int high) {
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high) {
        Say(QStringLiteral("--%1 \"%2\" is not a whole number from %3 to %4")
                .arg(option, parser.value(option))
                .arg(low)
                .arg(high));
        return std::nullopt;
    }
    return value;
}

std::optional<OutlineOptions> OptionsOf(const QCommandLineParser& parser, const QString& path) {
    OutlineOptions options;
    if (parser.isSet(kPixels) && parser.isSet(kPoints)) {
        Say(QStringLiteral("--pixels and --points are two sizes; give one"));
        return std::nullopt;
    }
    if (!parser.isSet(kPixels) && !parser.isSet(kPoints)) {
        Say(QStringLiteral("%1: an outline font needs a size: --pixels N, or --points P (at "
                           "--dpi D, 141 if not given)")
                .arg(path));
        return std::nullopt;
    }
    if (parser.isSet(kPixels)) {
        options.size.pixels = NumberOf(parser, kPixels, 1, 1000);
        if (!options.size.pixels) {
            return std::nullopt;
        }
    } else {
        bool ok = false;
        options.size.points = parser.value(kPoints).toDouble(&ok);
        if (!ok || *options.size.points <= 0 || *options.size.points > 1000) {
            Say(QStringLiteral("--points \"%1\" is no size from 0 to 1000")
                    .arg(parser.value(kPoints)));
            return std::nullopt;
        }
    }
    const auto dpi = parser.isSet(kDpi) ? NumberOf(parser, kDpi, 1, 2400) : std::optional(141);
    const auto threshold =
        parser.isSet(kThreshold) ? NumberOf(parser, kThreshold, 1, 255) : std::optional(0);
    const auto hinting = HintingNamed(parser.value(kHinting).toStdString());
    if (!dpi || !threshold) {
        return std::nullopt;
    }
    if (parser.isSet(kHinting) && !hinting) {
        Say(QStringLiteral("--hinting \"%1\": choose native, auto, light or none")
                .arg(parser.value(kHinting)));
        return std::nullopt;
    }
    options.size.dpi = *dpi;
    options.threshold = *threshold;
    options.hinting = hinting.value_or(Hinting::Native);
    if (parser.isSet(kCell)) {
        options.cell = ParseCellSize(parser.value(kCell).toStdString());
        if (!options.cell) {
            Say(QStringLiteral("--cell \"%1\" is no cell size; write it as WxH, each from 1 to 255")
                    .arg(parser.value(kCell)));
            return std::nullopt;
        }
    }
    return options;
}

// The codes the choice asks of the font, 32 to 126 where it asks none.
WantedCodes CodesOf(const Choice& choice, const OutlineFont& font) {
    std::string error;
    const CodeMap printable = CodeMap::Parse("32-126", error);
    WantedCodes wanted = Wanted(choice.given ? choice.map : printable, choice.text, font.Codes());
    // The text's characters the font lacks are named where the text is chosen from.
    std::erase_if(wanted.missing, [&choice](int code) {
        return std::binary_search(choice.text.begin(), choice.text.end(), code);
    });
    return wanted;
}

QString Codes(const std::vector<int>& codes) {
    return QString::fromStdString(ListedCharacters(codes));
}

}  // namespace

void DescribeOutlineOptions(QCommandLineParser& parser) {
    parser.addOption({kPixels,
                      QStringLiteral("Rasterise a TrueType or OpenType INPUT with an em of N "
                                     "pixels."),
                      QStringLiteral("N")});
    parser.addOption({kPoints,
                      QStringLiteral("Rasterise it at P points (at --dpi, 141 if not given)."),
                      QStringLiteral("P")});
    parser.addOption(
        {kDpi, QStringLiteral("The resolution for --points (default 141)."), QStringLiteral("D")});
    parser.addOption({kHinting,
                      QStringLiteral("native (the font's own, the default), auto, light or none."),
                      QStringLiteral("HINTING")});
    parser.addOption({kThreshold,
                      QStringLiteral("Render in greys and light the dots of T or more (1 to "
                                     "255); without it, in black and white."),
                      QStringLiteral("T")});
    parser.addOption({kCell,
                      QStringLiteral("The cell of the rasterised characters (default: the "
                                     "smallest that holds them)."),
                      QStringLiteral("WxH")});
    parser.addOption({kFace, QStringLiteral("The face of a font collection (.ttc), from 0."),
                      QStringLiteral("N")});
}

std::optional<LoadedFont> LoadOutline(const QCommandLineParser& parser, const QString& path,
                                      const Choice& choice, QStringList& notes) {
    const std::optional<OutlineOptions> options = OptionsOf(parser, path);
    const auto face = parser.isSet(kFace) ? NumberOf(parser, kFace, 0, 65535) : std::optional(0);
    if (!options || !face) {
        return std::nullopt;
    }
    const OutlineFont font = OutlineFont::FromFile(path, *face);
    if (!font.IsValid()) {
        return LoadedFont{std::nullopt, font.Error()};
    }
    const WantedCodes wanted = CodesOf(choice, font);
    if (wanted.codes.empty()) {
        return LoadedFont{std::nullopt,
                          QStringLiteral("the font has none of the characters chosen%1")
                              .arg(wanted.missing.empty()
                                       ? QString()
                                       : QStringLiteral(": it lacks ") + Codes(wanted.missing))};
    }
    const Rasterised rasterised = font.Rasterise(wanted, *options);
    if (!rasterised.font) {
        return LoadedFont{std::nullopt, rasterised.error};
    }
    if (!rasterised.missing.empty()) {
        notes << QStringLiteral("%1: left out %2 the font has no glyph for: %3")
                     .arg(path)
                     .arg(QString::fromStdString(
                         Counted(std::ssize(rasterised.missing), "character")))
                     .arg(Codes(rasterised.missing));
    }
    if (!rasterised.cut.empty()) {
        notes << QStringLiteral("%1: the %2 cell cuts the dots of %3: %4")
                     .arg(path, QString::fromStdString(ToString(*options->cell)))
                     .arg(QString::fromStdString(Counted(std::ssize(rasterised.cut), "character")))
                     .arg(Codes(rasterised.cut));
    }
    return LoadedFont{*rasterised.font, {}};
}

}  // namespace zrl
