#include "pcf_tables.h"

namespace zrl {

std::vector<FontProperty> PcfTables::Properties() const {
    std::vector<FontProperty> properties;
    const std::optional<Table> table = Find(kProperties);
    const std::uint32_t count = table ? Word(table->at, table->msb) : 0;
    if (count > 100000) {
        return properties;
    }
    std::size_t at = table ? table->at + 4 : 0;
    const std::size_t strings = at + count * 9 + (count % 4 == 0 ? 0 : 4 - count % 4) + 4;
    for (std::uint32_t i = 0; i < count; ++i, at += 9) {
        const std::string name = String(strings + Word(at, table->msb));
        const bool text = Byte(at + 4) != 0;
        const std::uint32_t value = Word(at + 5, table->msb);
        if (name.empty()) {
            continue;
        }
        properties.push_back({name, text ? Quoted(String(strings + value))
                                         : std::to_string(static_cast<std::int32_t>(value))});
    }
    return properties;
}

std::vector<std::string_view> PcfTables::GlyphNames() const {
    std::vector<std::string_view> names;
    if (const std::optional<Table> table = Find(kGlyphNames)) {
        const std::vector<std::uint32_t> offsets = Counted(*table);
        const std::size_t strings = table->at + 4 + 4 * offsets.size() + 4;
        for (const std::uint32_t offset : offsets) {
            names.push_back(View(strings + offset));
        }
    }
    return names;
}

std::vector<int> PcfTables::ScalableWidths() const {
    std::vector<int> widths;
    if (const std::optional<Table> table = Find(kScalableWidths)) {
        for (const std::uint32_t width : Counted(*table)) {
            widths.push_back(static_cast<std::int32_t>(width));
        }
    }
    return widths;
}

std::optional<FontProperty> PcfTables::DefaultChar() const {
    const std::optional<Table> table = Find(kEncodings);
    if (!table) {
        return std::nullopt;
    }
    const std::size_t at = table->at;
    const unsigned code =
        table->msb ? Byte(at + 8) << 8 | Byte(at + 9) : Byte(at + 9) << 8 | Byte(at + 8);
    return code == 0xFFFF ? std::nullopt
                          : std::optional(FontProperty{"DEFAULT_CHAR", std::to_string(code)});
}

std::vector<FontProperty> PcfTables::AscentAndDescent() const {
    std::optional<Table> table = Find(kBdfAccelerators);
    table = table ? table : Find(kAccelerators);
    if (!table) {
        return {};
    }
    const auto number = [this, &table](std::size_t offset) {
        return std::to_string(static_cast<std::int32_t>(Word(table->at + offset, table->msb)));
    };
    return {{"FONT_DESCENT", number(12)}, {"FONT_ASCENT", number(8)}};
}

}  // namespace zrl
