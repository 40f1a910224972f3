#include "set_export.h"

#include <iterator>

#include "core/formats/bdf_font.h"
#include "core/text/code_map.h"

namespace zrl {

std::string WhyNotWritten(const CharacterSet& set, SetFormat format) {
    return format == SetFormat::LcdCharacters ? WhyNotLcd(set) : std::string();
}

int CharactersWritten(const CharacterSet& set, SetFormat format) {
    if (format == SetFormat::LcdCharacters) {
        const auto& characters = set.Characters();
        return static_cast<int>(std::distance(characters.begin(), characters.upper_bound(7)));
    }
    const std::optional<CharacterSet> subset =
        format != SetFormat::Bdf ? TableSubset(set) : std::nullopt;
    return subset ? subset->Size() : set.Size();
}

std::string DescribeTableLeftOut(const CharacterSet& set, SetFormat format) {
    const int past = set.Size() - CharactersWritten(set, format);
    if (past == 0) {
        return {};
    }
    const std::string count = Counted(past, "character");
    return format == SetFormat::LcdCharacters
               ? "left out " + count + " past code 7; an LCD has custom characters 0 to 7 only"
               : "left out " + count + " past code 255; the table holds codes 0 to 255";
}

std::string WriteSet(const CharacterSet& whole, SetFormat format, ListingOrder order,
                     std::string_view name) {
    const std::optional<CharacterSet> subset =
        format != SetFormat::Bdf ? TableSubset(whole) : std::nullopt;
    const CharacterSet& set = subset ? *subset : whole;
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
