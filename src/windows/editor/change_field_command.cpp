#include "change_field_command.h"

#include "main_window.h"

namespace zrl {

namespace {

constexpr int kStrokeId = 1;

}  // namespace

ChangeFieldCommand::ChangeFieldCommand(FrmMain& editor, const CharacterGrid& after,
                                       const QString& text, int stroke)
    : QUndoCommand(text), editor_(editor), change_(editor.Grid(), after), stroke_(stroke) {
    if (after.Size() != editor.Grid().Size()) {
        before_ = editor.Grid();
        after_ = after;
    }
}

// The field is the step's grid after it whenever it is undone, and its grid before whenever
// it is redone: the history takes its steps in order.
void ChangeFieldCommand::undo() {
    editor_.ShowGrid(before_ ? *before_ : change_.Undone(editor_.Grid()));
}

void ChangeFieldCommand::redo() {
    editor_.ShowGrid(after_ ? *after_ : change_.Redone(editor_.Grid()));
}

int ChangeFieldCommand::id() const {
    return stroke_ != 0 ? kStrokeId : -1;
}

// The pieces of a stroke never change the field's size.
bool ChangeFieldCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ChangeFieldCommand*>(other);
    if (next->stroke_ != stroke_ || before_ || next->before_) {
        return false;
    }
    change_.Then(next->change_);
    return true;
}

}  // namespace zrl
