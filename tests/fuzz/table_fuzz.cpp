// libFuzzer target: any text read as a table in each format of tables the table of formats
// has (the first byte chooses the format and the cell). A set it reads must write out in that
// layout, in C and in Python, dense and sparse, and read back the same: its codes up to 255 where
// it has codes on both sides of 256, as a dense table holds them.
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "core/formats/format_table.h"
#include "core/formats/set_export.h"
#include "core/formats/set_import.h"
#include "core/formats/table_writer.h"

namespace {

// The set as a layout that carries no widths reads it back.
zrl::CharacterSet WithoutWidths(const zrl::CharacterSet& set) {
    zrl::CharacterSet plain(set.Cell(), set.Descent());
    for (const auto& [code, character] : set.Characters()) {
        plain.Put(code, {character.pattern, {}});
    }
    return plain;
}

void CheckRoundTrip(const zrl::CharacterSet& whole, const zrl::Format& layout) {
    const std::optional<zrl::CharacterSet> subset = zrl::TableSubset(whole);
    const bool widths = layout.limits.widths;
    for (const bool sparse : {false, true}) {
        // A sparse table holds the whole set.
        const zrl::CharacterSet& set = subset && !sparse ? *subset : whole;
        const zrl::CharacterSet expected = widths ? set : WithoutWidths(set);
        for (const zrl::Language language : {zrl::Language::C, zrl::Language::Python}) {
            zrl::TableFormat format{layout, language, {}};
            format.sparse = sparse;
            if (!zrl::WhyNotWritten(whole, format).empty()) {
                continue;
            }
            const zrl::ParsedSet again =
                zrl::ReadSetText(zrl::WriteTable(whole, format), std::nullopt);
            if (!again.set || *again.set != expected) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    static const std::vector<const zrl::Format*> layouts = [] {
        std::vector<const zrl::Format*> tables;
        for (const zrl::Format* format : zrl::Formats()) {
            if (format->output == zrl::Output::Source) {
                tables.push_back(format);
            }
        }
        return tables;
    }();
    const zrl::Format& layout = *layouts[data[0] % layouts.size()];
    const zrl::CellSize cell{1 + (data[0] >> 3) % 12, 1 + (data[0] >> 3) % 17};
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const zrl::ParsedSet read = zrl::ReadTable(text, {layout, cell, 32});
    if (read.set) {
        CheckRoundTrip(*read.set, layout);
    }
    return 0;
}
