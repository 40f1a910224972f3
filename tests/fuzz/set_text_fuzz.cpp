// libFuzzer target: any text given to the readers of whole sets (BASIC blocks, tables in
// any layout, GFXfonts), as an import or the command line meets it. A set it reads must
// write out in each form and read back with the same dots.
#include <cstdlib>
#include <string_view>

#include "core/formats/set_export.h"
#include "core/formats/set_import.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const zrl::ParsedSet read =
        zrl::ReadSetText(std::string_view(reinterpret_cast<const char*>(data), size), 32);
    if (!read.set) {
        return 0;
    }
    // BASIC and column bytes carry no widths: every character comes back as wide as its cell.
    zrl::CharacterSet set(read.set->Cell(), read.set->Descent());
    for (const auto& [code, character] : read.set->Characters()) {
        set.Put(code, {character.pattern, character.name});
    }
    const auto same = [&set](const std::string& text) {
        const zrl::ParsedSet again = zrl::ReadSetText(text, std::nullopt);
        return again.set && again.set->Cell() == set.Cell() &&
               again.set->Characters() == set.Characters();
    };
    if (!same(zrl::WriteBasicBlock(set, zrl::ListingOrder::ByRow)) ||
        !same(zrl::WriteCFontTable(set, "font"))) {
        std::abort();
    }
    return 0;
}
