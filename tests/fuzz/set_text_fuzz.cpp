// libFuzzer target: any text given to the readers of whole sets (BASIC blocks, C tables,
// LCD rows), as an import or the command line meets it. A set it reads must write out in
// each form and read back the same.
#include <cstdlib>
#include <string_view>

#include "core/set_export.h"
#include "core/set_import.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const zrl::ParsedSet read =
        zrl::ReadSetText(std::string_view(reinterpret_cast<const char*>(data), size), 32);
    if (!read.set) {
        return 0;
    }
    const zrl::CharacterSet& set = *read.set;
    const auto same = [&set](const std::string& text) {
        const zrl::ParsedSet again = zrl::ReadSetText(text, std::nullopt);
        return again.set && *again.set == set;
    };
    if (!same(zrl::WriteBasicBlock(set, zrl::ListingOrder::ByRow)) ||
        !same(zrl::WriteCFontTable(set, "font"))) {
        std::abort();
    }
    return 0;
}
