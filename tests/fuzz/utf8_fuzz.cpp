// libFuzzer target: the UTF-8 decoder a sparse table carries, compiled from the text the
// program writes, walks any bytes to their end exactly as the program's own decoder does,
// and never reads past the terminating NUL (AddressSanitizer watches the copy's end).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "core/text/code_text.h"
#include "lookup.h"  // written by write_lookup: fuzz_codes, fuzz_index and fuzz_next

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    const auto end =
        static_cast<std::size_t>(std::find(text.begin(), text.end(), '\0') - text.begin());
    text.resize(end);
    text.push_back('\0');
    const std::string_view view(text.data(), end);
    const char* s = text.data();
    std::size_t at = 0;
    while (*s != '\0') {
        const std::uint32_t code = fuzz_next(&s);
        const std::optional<int> expected = zrl::NextCode(view, at);
        if (code != (expected ? static_cast<std::uint32_t>(*expected) : 0xFFFDu) ||
            s != text.data() + at) {
            std::abort();
        }
        if (fuzz_index(code) >= 0 && fuzz_codes[fuzz_index(code)] != code) {
            std::abort();
        }
    }
    return 0;
}
