#pragma once

#include <QUndoCommand>

#include "core/model/transforms.h"

namespace zrl {

class FrmMain;

// One shift, mirror or flip of the field; undone by the opposite move, which puts every
// colour back where it was.
class TransformFieldCommand : public QUndoCommand {
public:
    TransformFieldCommand(FrmMain& editor, Transform transform, const QString& text);

    void undo() override;
    void redo() override;

private:
    FrmMain& editor_;
    Transform transform_;
};

}  // namespace zrl
