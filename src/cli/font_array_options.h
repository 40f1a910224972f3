#pragma once

#include <optional>

#include "core/model/cell_size.h"

class QCommandLineParser;

namespace zrl {

// The options of libraries' own fonts: u8g2's --box, u8x8's --tiles, LVGL's --lvgl and
// --no-compress.
struct FontArrayOptions {
    char box = 0;  // 0: not given
    std::optional<CellSize> tiles;
    int lvgl = 9;
    bool noCompress = false;
};

void DescribeFontArrayOptions(QCommandLineParser& parser);

// The options, or none after one line on standard error saying which is wrong.
std::optional<FontArrayOptions> ReadFontArrayOptions(const QCommandLineParser& parser);

}  // namespace zrl
