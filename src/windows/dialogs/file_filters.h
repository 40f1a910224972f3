#pragma once

#include <QString>

namespace zrl {

// The file dialogs' filters and the files' names, as the table of formats has them.

// For Open: every font and table the set window reads, then each format of them, then all
// files.
QString OpenFilters();
// For Import from File: firmware source and BASIC, then all files.
QString SourceFilters();
// Whether the file's name says it is firmware source or BASIC rather than a font.
bool IsSourceFile(const QString& path);
// The name with `extension` in place of the extension of a font or a table (and any .gz).
QString WithExtension(const QString& path, const QString& extension);

}  // namespace zrl
