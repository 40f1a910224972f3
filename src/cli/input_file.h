#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/formats/format.h"
#include "core/model/cell_size.h"
#include "platform/font_file.h"

namespace zrl {

// How to read a table INPUT that does not say how it is laid out: --from, --size, --first.
struct Reading {
    const Format* told;
    CellSize size;
    std::optional<int> first;
    std::string array;  // of a text holding several font arrays, --name's
};

// A font file, or a set as firmware source: a BASIC block or a table in any layout.
LoadedFont LoadInput(const QString& path, const Reading& reading);

// What INPUT is read from: an outline font, a bitmap font file, or text.
Source SourceOf(const QString& path);

}  // namespace zrl
