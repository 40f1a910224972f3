#include "format_table.h"

#include "core/text/code_map.h"

// The formats, one line each, in the order the user is offered them. Each format's entry is
// defined in its own unit; the list is expanded twice below, once to declare the entries and
// once to make the table, so that a format is one line here and nothing more.
#define ZRL_FORMATS(FORMAT) \
    FORMAT(Bdf)             \
    FORMAT(Pcf)             \
    FORMAT(BasicRows)       \
    FORMAT(BasicColumns)    \
    FORMAT(Glcd)            \
    FORMAT(Pages)           \
    FORMAT(RowsMsb)         \
    FORMAT(RowsLsb)         \
    FORMAT(Lcd)             \
    FORMAT(WidthPrefixed)   \
    FORMAT(GfxFont)         \
    FORMAT(MdMax72xx)       \
    FORMAT(Ssd1306Ascii)    \
    FORMAT(U8g2)            \
    FORMAT(U8x8)            \
    FORMAT(Lvgl)            \
    FORMAT(LvglBin)         \
    FORMAT(Outline)

namespace zrl {

#define ZRL_DECLARE_FORMAT(name) extern const Format k##name##Format;
ZRL_FORMATS(ZRL_DECLARE_FORMAT)
#undef ZRL_DECLARE_FORMAT

namespace {

#define ZRL_FORMAT_ENTRY(name) &k##name##Format,
constexpr const Format* kFormats[] = {ZRL_FORMATS(ZRL_FORMAT_ENTRY)};
#undef ZRL_FORMAT_ENTRY

}  // namespace

std::span<const Format* const> Formats() {
    return kFormats;
}

const Format* FormatNamed(std::string_view name) {
    for (const Format* format : kFormats) {
        if (format->name == name || (!format->alias.empty() && format->alias == name)) {
            return format;
        }
    }
    return nullptr;
}

Detected DetectFormat(std::string_view text, bool (*admits)(const Format&)) {
    Detected surest;
    for (const Format* format : kFormats) {
        if (format->detect == nullptr || (admits != nullptr && !admits(*format))) {
            continue;
        }
        if (const Certainty certainty = format->detect(text); certainty > surest.certainty) {
            surest = {format, certainty};
        }
    }
    return surest;
}

bool IsWritten(const Format& format) {
    return format.write != nullptr;
}

std::vector<std::string_view> WrittenNames() {
    std::vector<std::string_view> names;
    for (const Format* format : kFormats) {
        if (!IsWritten(*format)) {
            continue;
        }
        if (!format->alias.empty()) {
            names.push_back(format->alias);
        }
        names.push_back(format->name);
    }
    return names;
}

bool IsReadAsText(const Format& format) {
    return format.source == Source::Text;
}

std::vector<std::string_view> ExtensionsOf(const Format& format) {
    std::vector<std::string_view> extensions;
    for (std::string_view rest = format.extensions; !rest.empty();) {
        const std::size_t space = rest.find(' ');
        extensions.push_back(rest.substr(0, space));
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    }
    return extensions;
}

std::string JoinedWithOr(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "" : i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

CharacterSet ChosenFor(const Format& format, const CharacterSet& whole, const CharacterSet& chosen,
                       bool moved) {
    switch (format.output) {
        case Output::Bdf:
        case Output::FontSource:
        case Output::Bytes:
            return ChosenForBdf(whole, chosen, moved);
        case Output::FontArray:
            return whole;
        default:
            return Narrowed(chosen);
    }
}

}  // namespace zrl
