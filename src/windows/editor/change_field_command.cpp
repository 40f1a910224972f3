#include "change_field_command.h"

#include "main_window.h"

namespace zrl {

namespace {

constexpr int kStrokeId = 1;

}  // namespace

ChangeFieldCommand::ChangeFieldCommand(FrmMain& editor, const CharacterGrid& after,
                                       const QString& text, int stroke)
    : QUndoCommand(text), editor_(editor), before_(editor.Grid()), after_(after), stroke_(stroke) {}

void ChangeFieldCommand::undo() {
    editor_.ShowGrid(before_);
}

void ChangeFieldCommand::redo() {
    editor_.ShowGrid(after_);
}

int ChangeFieldCommand::id() const {
    return stroke_ != 0 ? kStrokeId : -1;
}

bool ChangeFieldCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ChangeFieldCommand*>(other);
    if (next->stroke_ != stroke_) {
        return false;
    }
    after_ = next->after_;
    return true;
}

}  // namespace zrl
