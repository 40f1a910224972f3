#include "set_widths_command.h"

#include "set_document.h"

namespace zrl {

SetWidthsCommand::SetWidthsCommand(SetDocument& document, std::map<int, int> widths,
                                   const QString& text, Clock::time_point made)
    : QUndoCommand(text), document_(document), after_(std::move(widths)), last_(made) {
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

int SetWidthsCommand::id() const {
    constexpr int kOneWidth = 0x5749;  // any id that no other step of a history has
    return after_.size() == 1 ? kOneWidth : -1;
}

bool SetWidthsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SetWidthsCommand*>(other);
    if (next->after_.size() != 1 || next->after_.begin()->first != after_.begin()->first ||
        next->last_ - last_ > kRepeat) {
        return false;
    }
    after_ = next->after_;
    last_ = next->last_;
    setObsolete(after_ == before_);  // back where it started: no step at all
    return true;
}

}  // namespace zrl
