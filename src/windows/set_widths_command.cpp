#include "set_widths_command.h"

#include "set_document.h"

namespace zrl {

SetWidthsCommand::SetWidthsCommand(SetDocument& document, std::map<int, int> widths,
                                   const QString& text)
    : QUndoCommand(text), document_(document), after_(std::move(widths)) {
    for (const auto& [code, width] : after_) {
        const SetCharacter* character = document.Set().Find(code);
        before_[code] = character != nullptr ? character->width : width;
    }
}

void SetWidthsCommand::undo() {
    document_.SetWidths(before_);
}

void SetWidthsCommand::redo() {
    document_.SetWidths(after_);
}

}  // namespace zrl
