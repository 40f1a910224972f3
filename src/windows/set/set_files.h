#pragma once

#include <QString>

#include "core/model/character_grid.h"
#include "core/model/character_set.h"

namespace zrl {

class FrmCharSet;
class SetDocument;
class SetTransfer;

// The set window's file commands: New, Open, Save and Save As, and the question before
// changes are thrown away. A font opens as a set of its own, whatever it holds kept to be
// saved again; a set is saved as BDF through a temporary file.
class SetFiles {
public:
    enum class Kind { LcdCustom, PrintableAscii, FullTable, Empty };

    SetFiles(FrmCharSet& window, SetDocument& document, SetTransfer& transfer);

    static CharacterSet BlankSet(Kind kind, CellSize size = kDefaultSize);

    // The file read as the set, a font or a table; false, and the status line says why,
    // where it is neither.
    bool Read(const QString& path);
    bool SaveTo(const QString& path);
    // Asks Save, Discard or Cancel while there are unsaved changes; true to go on.
    bool MaybeSave();

    // The field's character as a set of its own, at the code the person gives (65, A, is
    // offered), saved under the name the person chooses.
    void SaveCharacter(const CharacterGrid& grid);

    void New_Click();
    // Whether a set was opened; where a chosen file was not, the status line says why.
    bool Open_Click();
    bool Save_Click();
    bool SaveAs_Click();

private:
    FrmCharSet& window_;
    SetDocument& document_;
    SetTransfer& transfer_;
};

}  // namespace zrl
