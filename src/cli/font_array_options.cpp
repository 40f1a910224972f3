#include "font_array_options.h"

#include <QCommandLineParser>

#include "core/formats/u8g2_encoder.h"
#include "say.h"

namespace zrl {

namespace {

const QString kBox = QStringLiteral("box");
const QString kTiles = QStringLiteral("tiles");
const QString kLvgl = QStringLiteral("lvgl");
const QString kNoCompress = QStringLiteral("no-compress");

}  // namespace

void DescribeFontArrayOptions(QCommandLineParser& parser) {
    parser.addOption({kBox,
                      QStringLiteral("u8g2's box mode, as its font names end: t, each glyph in "
                                     "its own box (the default); h, all of one height; m, all "
                                     "in one box; 8, all in 8x8 tiles."),
                      QStringLiteral("t|h|m|8")});
    parser.addOption({kTiles,
                      QStringLiteral("u8x8's tiles across and down a character, each 8x8 "
                                     "(default: as many as the font's box takes)."),
                      QStringLiteral("WxH")});
    parser.addOption({kLvgl,
                      QStringLiteral("The LVGL version an LVGL font is for, 8 or 9 (the "
                                     "default); the file written compiles with both."),
                      QStringLiteral("8|9")});
    parser.addOption(
        {kNoCompress, QStringLiteral("Taken as LVGL's converter takes it: fonts of 1 bit per "
                                     "pixel are never compressed.")});
}

std::optional<FontArrayOptions> ReadFontArrayOptions(const QCommandLineParser& parser) {
    FontArrayOptions options;
    if (parser.isSet(kBox)) {
        const QString box = parser.value(kBox);
        if (box.size() != 1 || !U8g2BoxMode(box[0].toLatin1())) {
            Say(QStringLiteral("--box \"%1\" is no box of u8g2's; choose t, h, m or 8").arg(box));
            return std::nullopt;
        }
        options.box = box[0].toLatin1();
    }
    if (parser.isSet(kTiles)) {
        options.tiles = ParseCellSize(parser.value(kTiles).toStdString());
        if (!options.tiles || options.tiles->width > 32 || options.tiles->height > 32) {
            Say(QStringLiteral("--tiles \"%1\" is no count of tiles; write it as WxH, each "
                               "from 1 to 32")
                    .arg(parser.value(kTiles)));
            return std::nullopt;
        }
    }
    if (parser.isSet(kLvgl)) {
        const QString version = parser.value(kLvgl);
        if (version != QLatin1String("8") && version != QLatin1String("9")) {
            Say(QStringLiteral("--lvgl \"%1\" is no LVGL version this program writes for; "
                               "choose 8 or 9")
                    .arg(version));
            return std::nullopt;
        }
        options.lvgl = version.toInt();
    }
    options.noCompress = parser.isSet(kNoCompress);
    return options;
}

}  // namespace zrl
