#include "resize_set_command.h"

#include "character_set_window.h"

namespace zrl {

ResizeSetCommand::ResizeSetCommand(FrmCharSet& window, CharacterSet resized)
    : QUndoCommand(QStringLiteral("Cell Size %1").arg(ToString(resized.Cell()).c_str())),
      window_(window),
      before_(window.Set()),
      after_(std::move(resized)) {}

void ResizeSetCommand::undo() {
    window_.PutSet(before_);
}

void ResizeSetCommand::redo() {
    window_.PutSet(after_);
}

}  // namespace zrl
