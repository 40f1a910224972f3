#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/formats/set_export.h"
#include "core/formats/table_reader.h"
#include "platform/font_file.h"

namespace zrl {

class FrmCharSet;
class Forms;

// The set window's ways in and out for a whole set: copies to the clipboard, exports to a
// file or through the Export dialog, and imports from the clipboard or a file, each import
// one step of the set that undo takes back.
class SetTransfer {
public:
    SetTransfer(FrmCharSet& window, Forms& forms);

    // The set as firmware source; BASIC in the editor's Row/Col order.
    std::string ExportText(SetFormat format, const QString& arrayName) const;
    void Copy(SetFormat format);
    void ExportFile();
    void ShowExportDialog();

    // Reads a BASIC block or a table into the set; a C table that does not say its first
    // code starts at `firstCode`. Text that is no set changes nothing and says why.
    bool Import(const QString& text, int firstCode);
    bool ImportTable(const QString& text, const TableOptions& options);
    // A table that does not say how it is laid out asks for its layout, size and first code.
    void ImportText(const std::optional<QString>& text);
    void ImportFile();

    // A table in a file read as a set of its own, in its own cell; one that does not say how
    // it is laid out asks.
    LoadedFont ReadTableFile(const QString& path);

private:
    // The text read as a set, asking its layout where it does not say it, and which array
    // where it holds several font arrays; none when the user cancels.
    std::optional<ParsedSet> ReadAsking(const std::string& text);
    std::optional<ParsedSet> ReadChosenArray(const std::string& text, const ParsedSet& several);
    bool Take(const ParsedSet& read);

    FrmCharSet& window_;
    Forms& forms_;
};

}  // namespace zrl
