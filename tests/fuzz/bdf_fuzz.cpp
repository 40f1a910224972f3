// libFuzzer target: any bytes given to the BDF reader. What it reads must write out and
// read back as the same set.
#include <cstdlib>
#include <string_view>

#include "core/bdf_font.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const zrl::ReadFont read =
        zrl::ReadBdf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.font) {
        return 0;
    }
    const zrl::ImportedFont imported = zrl::ImportFont(*read.font);
    const zrl::ReadFont again = zrl::ReadBdf(zrl::WriteBdf(imported.set));
    if (!again.font || zrl::ImportFont(*again.font).set != imported.set) {
        std::abort();
    }
    return 0;
}
