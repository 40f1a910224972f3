// libFuzzer target: any bytes given to the BDF reader. What it reads must write out and
// read back as the same characters, and write again as the same text; read with its text
// kept, it must write back that very text, and, with a glyph changed, read back with that
// change and every other glyph as it was.
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/formats/bdf_font.h"

namespace {

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zrl::ReadFont read = zrl::ReadBdf(text);
    if (!read.font) {
        return 0;
    }
    const zrl::ImportedFont imported = zrl::ImportFont(*read.font);
    const std::string written = zrl::WriteBdf(imported.set);
    const zrl::ReadFont again = zrl::ReadBdf(written);
    Check(again.font.has_value());
    const zrl::CharacterSet back = zrl::ImportFont(*again.font).set;
    Check(back.Characters() == imported.set.Characters() && zrl::WriteBdf(back) == written);

    zrl::CharacterSet kept = zrl::ImportFont(*read.font, text).set;
    Check(zrl::WriteBdf(kept) == text);
    if (kept.IsEmpty()) {
        return 0;
    }
    const int code = kept.Characters().rbegin()->first;
    zrl::Pattern changed = kept.Find(code)->pattern;
    changed.set(0, !changed[0]);
    kept.SetPattern(code, changed);
    const zrl::ReadFont edited = zrl::ReadBdf(zrl::WriteBdf(kept));
    Check(edited.font && zrl::ImportFont(*edited.font).set.Characters() == kept.Characters());
    return 0;
}
