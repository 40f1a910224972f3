#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/model/character_set.h"
#include "core/text/code_map.h"

class QCommandLineParser;

namespace zrl {

// The characters --map and --chars-from choose from a set, ready to be written.
struct ChosenSet {
    CharacterSet set;
    bool selected = false;  // a map or a text chose them; otherwise the set as it is
    std::string moved;      // the codes the map moved, for the table's comment
    // What chose them, for a font array, which chooses from the whole font itself.
    CodeMap map = {};
    std::vector<int> text = {};
    // Whole lines for standard error: what of the text was malformed or is not in the set.
    QStringList notes;
};

// What --map and --chars-from ask for, read once before any input is.
struct Choice {
    bool given = false;  // either option; otherwise every character
    CodeMap map;
    std::vector<int> text;  // the code points of the --chars-from text, sorted
    QStringList notes;      // what of the text was malformed
};

// Adds --map, --chars-from and --sparse to the parser.
void DescribeSelection(QCommandLineParser& parser);

// The choice the options make, or none after one line on standard error saying why (a map
// that does not parse, a text that cannot be read).
std::optional<Choice> ReadChoice(const QCommandLineParser& parser);

// The set as the choice takes it from INPUT's, or none after one line on standard error
// saying why. A font array chooses from the font itself, its glyphs the set keeps as they
// are too: an empty choice is for it to refuse.
std::optional<ChosenSet> ChooseFrom(const QCommandLineParser& parser, const Choice& choice,
                                    const CharacterSet& set, const QString& input, bool fromFont);

}  // namespace zrl
