// libFuzzer target: any text pasted into the field. A character it reads must list and
// read back as the same character.
#include <cstdlib>
#include <string_view>

#include "core/model/character_set.h"
#include "core/text/data_listing.h"
#include "core/text/pattern_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const zrl::ParsedPattern parsed =
        zrl::ParsePattern(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.grid) {
        return 0;
    }
    const zrl::ParsedPattern again = zrl::ParsePattern(zrl::BuildColData(*parsed.grid));
    if (!again.grid || zrl::PatternOf(*again.grid) != zrl::PatternOf(*parsed.grid)) {
        std::abort();
    }
    return 0;
}
