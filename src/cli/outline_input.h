#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "chosen_set.h"
#include "platform/font_file.h"

class QCommandLineParser;

namespace zrl {

// Adds --pixels, --points, --dpi, --hinting, --threshold, --cell and --face to the parser.
void DescribeOutlineOptions(QCommandLineParser& parser);

// A TrueType or OpenType INPUT rasterised as the options say, for the codes the choice
// takes (32 to 126 where it takes none), with a line for each thing left out in `notes`;
// or none after one line on standard error saying why.
std::optional<LoadedFont> LoadOutline(const QCommandLineParser& parser, const QString& path,
                                      const Choice& choice, QStringList& notes);

}  // namespace zrl
