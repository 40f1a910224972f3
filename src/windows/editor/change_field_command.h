#pragma once

#include <QUndoCommand>
#include <optional>

#include "core/model/character_grid.h"
#include "core/model/grid_change.h"

namespace zrl {

class FrmMain;

// One step of the field's history that replaces its colours: a cell, Clear, Negative, a
// drag stroke, a change of size. It keeps the colours of the cells it changes, before and
// after (both whole grids for a change of size), so undo brings back exactly what was
// there, the first cell's light grey included.
class ChangeFieldCommand : public QUndoCommand {
public:
    // Pieces of one drag stroke share a stroke number and merge into a single step.
    ChangeFieldCommand(FrmMain& editor, const CharacterGrid& after, const QString& text,
                       int stroke = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    FrmMain& editor_;
    std::optional<CharacterGrid> before_;  // a change of size
    std::optional<CharacterGrid> after_;
    GridChange change_;
    int stroke_;
};

}  // namespace zrl
