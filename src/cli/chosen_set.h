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
    QStringList notes;      // lines for standard error: characters the text has and the set lacks
};

// Adds --map, --chars-from and --sparse to the parser.
void DescribeSelection(QCommandLineParser& parser);

// The set as the options choose it, or none after one line on standard error saying why.
std::optional<ChosenSet> ChooseFrom(const QCommandLineParser& parser, const CharacterSet& set);

}  // namespace zrl
