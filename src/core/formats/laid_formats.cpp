// The tables of bytes in each of the byte layouts: one format a layout, all read and written
// alike, each character's bytes in its layout (byte_layout.h).
#include "core/formats/classic_tables.h"
#include "core/formats/format.h"
#include "core/formats/table_reader.h"
#include "core/formats/table_writer.h"

namespace zrl {

namespace {

constexpr const LayoutInfo& Info(ByteLayout layout) {
    return kLayoutInfos[static_cast<std::size_t>(layout)];
}

bool HasArray(std::string_view text) {
    return text.find('{') != std::string_view::npos;
}

// A table whose comment names the layout is in it. Besides: values that say nothing else
// are read as column bytes; a sketch that gives its arrays to createChar, or braces inside
// braces, are LCD rows; a Tiny4kOLED font, described by its DCfont, is pages.
template <ByteLayout layout>
Certainty Detect(std::string_view text) {
    if (CommentNames(text, Info(layout).name)) {
        return Certainty::Named;
    }
    switch (layout) {
        case ByteLayout::Glcd:
            return HasArray(text) || text.find_first_of("=[") != std::string_view::npos
                       ? Certainty::Fallback
                       : Certainty::None;
        case ByteLayout::Lcd:
            if (!HasArray(text)) {
                return Certainty::None;
            }
            return text.find("createChar") != std::string_view::npos ? Certainty::Likely
                   : IsNested(text)                                  ? Certainty::Shaped
                                                                     : Certainty::None;
        case ByteLayout::Pages:
            return HasArray(text) && text.find("DCfont") != std::string_view::npos
                       ? Certainty::Hinted
                       : Certainty::None;
        case ByteLayout::RowsMsb:
        case ByteLayout::RowsLsb:
        case ByteLayout::WidthPrefixed:
            break;
    }
    return Certainty::None;
}

// As told, the table is read in the layout. As found: a table that names its layout reads
// in it from code 0 where it names none; column bytes that do not say their layout as
// classic C tables are; LCD rows of a sketch in the LCD's cell of 5x8 unless said, else as
// classic [8][8] tables are.
ParsedSet Read(const Format& format, std::string_view text, const ReadOptions& options) {
    const ByteLayout layout = *format.layout;
    if (options.told) {
        return ReadInLayout(text, layout, options.size, options.first.value_or(32));
    }
    const TableOptions named{format, options.size, options.first.value_or(0)};
    if (CommentNames(text, format.name)) {
        return ReadTable(text, named);
    }
    if (layout == ByteLayout::Glcd) {
        return ReadUnsaidTable(text, options.first, options.size);
    }
    if (layout == ByteLayout::Lcd && text.find("createChar") != std::string_view::npos) {
        // An LCD's characters are 8 rows, the last one the cursor's.
        return ReadTable(text,
                         {format, options.size == kDefaultSize ? CellSize{5, 8} : options.size, 0});
    }
    if (layout == ByteLayout::Lcd) {
        return ReadLcdTable(text, options.size);
    }
    return ReadTable(text, named);
}

template <ByteLayout layout>
constexpr Format Laid() {
    return {
        .name = Info(layout).name,
        .summary = Info(layout).summary,
        .extensions = "h hpp c ino py txt",
        .output = Output::Source,
        .options = kTakesLanguage | kTakesName | kTakesSparse | kReadsAsTold,
        .limits = layout == ByteLayout::Lcd ? FormatLimits{7, {8, 8}}
                                            : FormatLimits{.widths = IsPrefixed(layout)},
        .detect = Detect<layout>,
        .read = Read,
        .whyNot = WhyNotLaid,
        .write = WriteLaid,
        .gaps = layout == ByteLayout::Lcd ? nullptr : LaidGaps,
        .layout = layout,
        .alias = layout == ByteLayout::Glcd ? "c" : "",
        .arrayName = layout == ByteLayout::Lcd ? "lcd" : "font",
    };
}

}  // namespace

extern const Format kGlcdFormat = Laid<ByteLayout::Glcd>();
extern const Format kPagesFormat = Laid<ByteLayout::Pages>();
extern const Format kRowsMsbFormat = Laid<ByteLayout::RowsMsb>();
extern const Format kRowsLsbFormat = Laid<ByteLayout::RowsLsb>();
extern const Format kLcdFormat = Laid<ByteLayout::Lcd>();
extern const Format kWidthPrefixedFormat = Laid<ByteLayout::WidthPrefixed>();

const Format& FormatOf(ByteLayout layout) {
    static const Format* const kFormats[] = {&kGlcdFormat,    &kPagesFormat, &kRowsMsbFormat,
                                             &kRowsLsbFormat, &kLcdFormat,   &kWidthPrefixedFormat};
    return *kFormats[static_cast<std::size_t>(layout)];
}

TableFormat::TableFormat(ByteLayout layout, Language language, std::string name)
    : TableFormat(FormatOf(layout), language, std::move(name)) {}

TableFormat::TableFormat(const Format& format, Language language, std::string name)
    : format(&format), language(language), name(std::move(name)) {}

TableOptions::TableOptions(ByteLayout layout, CellSize size, int first)
    : TableOptions(FormatOf(layout), size, first) {}

TableOptions::TableOptions(const Format& format, CellSize size, int first)
    : format(&format), size(size), first(first) {}

}  // namespace zrl
