// libFuzzer target: any text read as a map of codes. A map that parses chooses from a set of
// ASCII and Cyrillic only characters the set has, each at one code in range; one that does
// not parse names a column within the text.
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text/code_map.h"

namespace {

const zrl::CharacterSet& Font() {
    static const zrl::CharacterSet font = [] {
        zrl::CharacterSet set;
        for (int code = 32; code <= 0x4FF; code += code == 126 ? 0x400 - 126 : 1) {
            set.Put(code, {zrl::Pattern(static_cast<unsigned long long>(code)), {}});
        }
        return set;
    }();
    return font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const zrl::CodeMap map = zrl::CodeMap::Parse(text, error);
    if (!error.empty()) {
        const std::size_t column = std::stoul(error.substr(error.find(' ') + 1));
        if (!map.IsEmpty() || error.rfind("column ", 0) != 0 || column < 1 || column > size + 1) {
            std::abort();
        }
        return 0;
    }
    const zrl::Selection chosen = zrl::Select(Font(), map, {});
    if (chosen.set.Size() > Font().Size()) {
        std::abort();
    }
    for (const auto& [code, character] : chosen.set.Characters()) {
        if (code < 0 || code > zrl::kLastUnicode || character.pattern.count() == 0) {
            std::abort();
        }
    }
    return 0;
}
