#pragma once

#include <QUndoCommand>
#include <map>
#include <optional>

#include "core/character_set.h"

namespace zrl {

class FrmCharSet;

// An import into the open set (or any change of several characters) as one step: the characters it
// brings replace those at their codes, and undo puts back exactly what was there, or nothing where
// nothing was.
class ImportSetCommand : public QUndoCommand {
public:
    ImportSetCommand(FrmCharSet& window, const CharacterSet& imported,
                     const QString& text = QStringLiteral("Import"));

    void undo() override;
    void redo() override;

private:
    using Characters = std::map<int, std::optional<SetCharacter>>;

    FrmCharSet& window_;
    Characters before_;
    Characters after_;
};

}  // namespace zrl
