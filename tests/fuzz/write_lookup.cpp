// Writes the lookup and UTF-8 decoder of a sparse table named "fuzz", as C, to standard
// output, for the decoder's fuzz target to compile.
#include <cstdio>

#include "core/formats/sparse_lookup.h"

int main() {
    const std::string text =
        zrl::WriteLookup("fuzz", {32, 65, 0x416, 0xFFFD, 0x1F600}, zrl::Language::C);
    std::fputs(text.c_str(), stdout);
    return 0;
}
