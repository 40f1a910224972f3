#include "font_array_options.h"

#include <QCommandLineParser>

#include "core/formats/u8g2_encoder.h"
#include "say.h"

namespace zrl {

namespace {

const QString kBox = QStringLiteral("box");
const QString kTiles = QStringLiteral("tiles");

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
        if (!options.tiles) {
            Say(QStringLiteral("--tiles \"%1\" is no count of tiles; write it as WxH, each "
                               "from 1 to 32")
                    .arg(parser.value(kTiles)));
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace zrl
