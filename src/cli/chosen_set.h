#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/character_set.h"

class QCommandLineParser;

namespace zrl {

// The characters --map and --chars-from choose from a set, ready to be written.
struct ChosenSet {
    CharacterSet set;
    bool selected = false;  // a map or a text chose them; otherwise the set as it is
    std::string moved;      // the codes the map moved, for the table's comment
    // Whole lines for standard error: what of the text was malformed or is not in the set.
    QStringList notes;
};

// Adds --map, --chars-from and --sparse to the parser.
void DescribeSelection(QCommandLineParser& parser);

// The set as the options choose it from INPUT's, or none after one line on standard error
// saying why.
std::optional<ChosenSet> ChooseFrom(const QCommandLineParser& parser, const CharacterSet& set,
                                    const QString& input);

}  // namespace zrl
