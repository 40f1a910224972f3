#pragma once

#include <optional>

#include "core/model/cell_size.h"

class QCommandLineParser;

namespace zrl {

// u8g2's and u8x8's own options: --box and --tiles.
struct FontArrayOptions {
    char box = 0;  // 0: not given
    std::optional<CellSize> tiles;
};

void DescribeFontArrayOptions(QCommandLineParser& parser);

// The options, or none after one line on standard error saying which is wrong.
std::optional<FontArrayOptions> ReadFontArrayOptions(const QCommandLineParser& parser);

}  // namespace zrl
