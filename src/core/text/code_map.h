#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/character_set.h"

namespace zrl {

// Which of a set's characters a table holds, and at which codes, in the map syntax of u8g2's
// bdfconv: commands separated by commas, applied left to right, a later one deciding for
// the codes it names over an earlier one.
//   *        every character
//   A, A-B   a code or a range; numbers decimal or $hex
//   A-B>C    the range, moved to start at code C
//   ~A-B     none of the range
// Where two characters are moved to one code, the later command's character has it.
class CodeMap {
public:
    struct Command {
        enum class Kind { All, Select, Exclude } kind = Kind::All;
        int first = 0;
        int last = 0;
        std::optional<int> to;  // where a moved range starts
    };

    // The map, or why not in `error`: "column 7: ..." (from 1).
    static CodeMap Parse(std::string_view text, std::string& error);

    bool IsEmpty() const { return commands_.empty(); }
    // The code the map gives the character at `code`, none where it leaves it out; `rank`
    // says which command decided (0: none did, then 1 on from the first).
    std::optional<int> TargetOf(int code, int& rank) const;
    const std::vector<Command>& Commands() const { return commands_; }

private:
    std::vector<Command> commands_;
};

// The code the map and the text (sorted) give the character at `code`, none where they leave
// it out; `rank` as TargetOf says it, 0 where the text alone chose it.
std::optional<int> ChosenCode(const CodeMap& map, const std::vector<int>& text, int code,
                              int& rank);

// The characters a map and a text choose from a set, at the codes the map gives them:
// a character the text holds is chosen at its own code, unless a command of the map names it.
struct Selection {
    CharacterSet set;         // the cell, name and baseline of the set it was chosen from
    std::vector<int> absent;  // the text's characters that the set does not have
    std::string moved;        // "U+0410-U+044F at 0xC0-0xFF", or "" where nothing moved
};
Selection Select(const CharacterSet& set, const CodeMap& map, const std::vector<int>& text);

// The codes to take from a font that can draw `drawable` (sorted) for a map and a text, as
// Select would choose them, and those named by a range of the map or by the text that the
// font cannot draw (a map of "*" names none it lacks).
struct WantedCodes {
    std::vector<int> codes;
    std::vector<int> missing;
};
WantedCodes Wanted(const CodeMap& map, const std::vector<int>& text,
                   const std::vector<int>& drawable);

// The set in the narrowest cell that holds each character's dots and advance, its height
// as it is: a selection of a font's narrow characters needs no cell for its wide ones.
CharacterSet Narrowed(const CharacterSet& set);

// "1,008": a count as the program says it.
std::string WithThousands(long long value);
// "1 character", "1,008 characters": a count of a noun that takes an s for more than one.
std::string Counted(long long count, std::string_view noun);
// "ä, €": the characters in UTF-8, at most `most` of them, then "and N more".
std::string ListedCharacters(const std::vector<int>& codes, std::size_t most = 12);

}  // namespace zrl
