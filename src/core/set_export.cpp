#include "set_export.h"

#include "bdf_font.h"
#include "c_initializer.h"
#include "data_listing.h"

namespace zrl {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// "{0x7E, 0x09}" without its braces.
std::string Inside(const std::string& braced) {
    return braced.substr(1, braced.size() - 2);
}

const SetCharacter kBlank{};

const SetCharacter& At(const CharacterSet& set, int code) {
    const SetCharacter* found = set.Find(code);
    return found != nullptr ? *found : kBlank;
}

}  // namespace

std::string CodeComment(int code, bool quoted) {
    std::string comment = std::to_string(code);
    if (code >= 32 && code <= 126) {
        const std::string character(1, static_cast<char>(code));
        comment += quoted ? " '" + character + "'" : code == 32 ? " space" : " " + character;
    }
    return comment;
}

std::string WriteBasicBlock(const CharacterSet& set, ListingOrder order) {
    std::string out;
    for (const auto& [code, character] : set.Characters()) {
        if (!out.empty()) {
            out += kCrLf;
        }
        out += "' " + CodeComment(code, false);
        out += kCrLf;
        out += BuildListing(GridOf(character.pattern), order);
    }
    return out;
}

std::string WriteCFontTable(const CharacterSet& set, std::string_view name) {
    const auto& characters = set.Characters();
    const int first = characters.empty() ? 0 : characters.begin()->first;
    const int last = characters.empty() ? -1 : characters.rbegin()->first;
    std::string out = "// 5x7 font: first code " + std::to_string(first) + ", " +
                      std::to_string(last - first + 1) +
                      " characters, 5 bytes each: one per column from the left, bit 0 the "
                      "top row; a character's bytes start at (code - " +
                      std::to_string(first) + ") * 5";
    out += kCrLf;
    out += "static const unsigned char " + std::string(name) + "[] = {";
    out += kCrLf;
    for (int code = first; code <= last; ++code) {
        const bool present = set.Find(code) != nullptr;
        out += "    " + Inside(BuildCColumns(GridOf(At(set, code).pattern))) + ",  // " +
               (present ? CodeComment(code, true) : std::to_string(code) + " (no character)");
        out += kCrLf;
    }
    out += "};";
    out += kCrLf;
    return out;
}

std::string WriteLcdTable(const CharacterSet& set, std::string_view name) {
    std::string out =
        "// LCD custom characters 0 to 7: 8 rows each from the top, bit 4 the left column, "
        "the 8th row empty";
    out += kCrLf;
    out += "static const unsigned char " + std::string(name) + "[8][8] = {";
    out += kCrLf;
    for (int code = 0; code < 8; ++code) {
        const bool present = set.Find(code) != nullptr;
        out += "    " + BuildCRows(GridOf(At(set, code).pattern)) + ",  // " +
               std::to_string(code) + (present ? "" : " (no character)");
        out += kCrLf;
    }
    out += "};";
    out += kCrLf;
    return out;
}

std::string WriteSet(const CharacterSet& set, SetFormat format, ListingOrder order,
                     std::string_view name) {
    switch (format) {
        case SetFormat::BasicBlock:
            return WriteBasicBlock(set, order);
        case SetFormat::CFontTable:
            return WriteCFontTable(set, name.empty() ? "font" : name);
        case SetFormat::LcdCharacters:
            return WriteLcdTable(set, name.empty() ? "lcd" : name);
        case SetFormat::Bdf:
            break;
    }
    return WriteBdf(set);
}

}  // namespace zrl
