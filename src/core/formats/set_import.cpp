#include "set_import.h"

#include "core/formats/format_table.h"
#include "core/formats/table_header.h"

namespace zrl {

ParsedSet ReadSetText(std::string_view text, std::optional<int> firstCode, CellSize size,
                      std::string_view array) {
    if (text.size() > kMaxSetText) {
        return Fail("the text is over 16 MB; a table of 256 characters of 255x255 is shorter");
    }
    const ReadOptions options{size, firstCode, false, std::string(array)};
    if (const Detected whole = DetectFormat(text, IsReadAsText);
        whole.format != nullptr && whole.format->Takes(kReadsPastIfs)) {
        return whole.format->read(*whole.format, text, options);
    }
    return ReadFollowing(text, [&](std::string_view followed) {
        const Detected detected = DetectFormat(followed, IsReadAsText);
        return detected.format->read(*detected.format, followed, options);
    });
}

// Only a guess reads it: a table of values that reads as told its layout, and that nothing
// else about the text names.
bool NeedsFirstCode(std::string_view text) {
    if (text.size() > kMaxSetText) {
        return false;
    }
    const Detected detected = DetectFormat(text, IsReadAsText);
    return detected.certainty == Certainty::Fallback && detected.format->Takes(kReadsAsTold) &&
           !FirstCodeOf(text);
}

}  // namespace zrl
