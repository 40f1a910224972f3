#include "transform_field_command.h"

#include "main_window.h"

namespace zrl {

TransformFieldCommand::TransformFieldCommand(FrmMain& editor, Transform transform,
                                             const QString& text)
    : QUndoCommand(text), editor_(editor), transform_(transform) {}

void TransformFieldCommand::undo() {
    editor_.ShowGrid(Transformed(editor_.Grid(), Opposite(transform_)));
}

void TransformFieldCommand::redo() {
    editor_.ShowGrid(Transformed(editor_.Grid(), transform_));
}

}  // namespace zrl
