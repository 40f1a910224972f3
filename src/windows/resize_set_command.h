#pragma once

#include <QUndoCommand>

#include "core/character_set.h"

namespace zrl {

class FrmCharSet;

// Every character of the set at another cell size, as one step: undo puts back the whole
// set as it was, dots cut off by a smaller cell included.
class ResizeSetCommand : public QUndoCommand {
public:
    ResizeSetCommand(FrmCharSet& window, CharacterSet resized);

    void undo() override;
    void redo() override;

private:
    FrmCharSet& window_;
    CharacterSet before_;
    CharacterSet after_;
};

}  // namespace zrl
