#include "sparse_lookup.h"

#include <algorithm>
#include <cstdio>

namespace zrl {

namespace {

// The functions in C, NAME standing for the table's name, WORD for the codes' type and
// READ(x) for how a code is read: in Arduino C from flash.
constexpr std::string_view kIndexC = R"(static inline int NAME_index(uint32_t code)
{
    int low = 0;
    int high = (int)(sizeof NAME_codes / sizeof NAME_codes[0]) - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const uint32_t found = READ(NAME_codes[middle]);
        if (found == code) {
            return middle;
        }
        if (found < code) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return -1;
}

)";

constexpr std::string_view kNextC = R"(static inline uint32_t NAME_next(const char **s)
{
    const unsigned char *p = (const unsigned char *)*s;
    const int more = p[0] >= 0xF0 ? 3 : p[0] >= 0xE0 ? 2 : p[0] >= 0xC0 ? 1 : 0;
    uint32_t code = p[0] & (0x7F >> (more + 1));
    if (p[0] == 0) {
        return 0;
    }
    *s += 1;
    if (p[0] < 0x80) {
        return p[0];
    }
    if (p[0] < 0xC2 || p[0] > 0xF4) {
        return 0xFFFD;
    }
    for (int i = 1; i <= more; i++) {
        if ((p[i] & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        code = code << 6 | (p[i] & 0x3F);
        *s += 1;
    }
    if ((more == 2 && code < 0x800) || (more == 3 && code < 0x10000) || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return 0xFFFD;
    }
    return code;
}
)";

constexpr std::string_view kPython = R"(

def NAME_index(code):
    low, high = 0, len(NAME_codes) - 1
    while low <= high:
        middle = (low + high) // 2
        if NAME_codes[middle] == code:
            return middle
        if NAME_codes[middle] < code:
            low = middle + 1
        else:
            high = middle - 1
    return -1


def NAME_decode(data):
    return [ord(c) for c in data.decode("utf-8", "replace")]
)";

constexpr std::string_view kCreateChars = R"(
// Sets the 8 characters into a LiquidCrystal display after its begin(): NAME_create(display);
template <typename Display>
void NAME_create(Display &display)
{
    for (uint8_t code = 0; code < 8; code++) {
        uint8_t rows[8];
        memcpy_P(rows, NAME[code], 8);
        display.createChar(code, rows);
    }
}
)";

void ReplaceAll(std::string& text, std::string_view word, std::string_view by) {
    for (std::size_t at = text.find(word); at != std::string::npos;
         at = text.find(word, at + by.size())) {
        text.replace(at, word.size(), by);
    }
}

// The text with LF line ends as CR LF, NAME as the name and READ(x) as `read`.
std::string Filled(std::string_view model, std::string_view name, std::string_view read) {
    std::string text(model);
    ReplaceAll(text, "READ(NAME_codes[middle])", read);
    ReplaceAll(text, "NAME", name);
    ReplaceAll(text, "\n", "\r\n");
    return text;
}

std::string Hex(int code, bool wide) {
    char text[16];
    std::snprintf(text, sizeof text, wide ? "0x%06X" : "0x%04X", static_cast<unsigned>(code));
    return text;
}

}  // namespace

std::string WriteLookup(std::string_view name, const std::vector<int>& codes, Language language) {
    const bool wide = !codes.empty() && codes.back() > 0xFFFF;
    const std::string type = wide ? "uint32_t" : "uint16_t";
    const std::string array = std::string(name) + "_codes";
    std::string out;
    switch (language) {
        case Language::C:
            out += "static const " + type + " " + array + "[] = {";
            break;
        case Language::Arduino:
            out += "const " + type + " " + array + "[] PROGMEM = {";
            break;
        case Language::Python:
            out += array + " = [";
            break;
    }
    constexpr std::size_t kPerLine = 12;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        out += i % kPerLine == 0 ? "\r\n    " : " ";
        out += Hex(codes[i], wide) + ",";
    }
    out += language == Language::Python ? "\r\n]\r\n" : "\r\n};\r\n\r\n";
    if (language == Language::Python) {
        return out + Filled(kPython, name, {});
    }
    const std::string element = array + "[middle]";
    const std::string read = language == Language::C ? element
                             : wide                  ? "pgm_read_dword(&" + element + ")"
                                                     : "pgm_read_word(&" + element + ")";
    return out + Filled(kIndexC, name, read) + Filled(kNextC, name, read);
}

std::string WriteCreateChars(std::string_view name) {
    return Filled(kCreateChars, name, {});
}

std::string DescribeLookup(std::string_view name, Language language) {
    const std::string n(name);
    const std::string lookup = "; " + n + "_codes" + (language == Language::Python ? "" : "[]") +
                               " holds their code points in order, " + n +
                               "_index(code) gives a code point's character or -1 for none, ";
    return lookup + (language == Language::Python
                         ? n + "_decode(data) gives the code points of UTF-8 bytes"
                         : n + "_next(&s) reads the next code point of UTF-8 text, U+FFFD for a "
                               "malformed one");
}

}  // namespace zrl
