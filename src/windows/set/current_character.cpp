#include "current_character.h"

#include <QUndoGroup>
#include <QUndoStack>
#include <algorithm>

#include "platform/runtime_error.h"
#include "set_document.h"
#include "set_widths_command.h"
#include "windows/editor/main_window.h"

namespace zrl {

namespace {

constexpr int kHistorySteps = 1000;

}  // namespace

CurrentCharacter::CurrentCharacter(SetDocument& document, FrmMain& editor, QWidget* window)
    : QObject(window), document_(document), editor_(&editor), window_(window) {
    connect(editor_, &FrmMain::GridShown, this, &CurrentCharacter::FieldShown);
}

bool CurrentCharacter::Make(int code) {
    code_ = -1;  // the field's own colours are no change of the character
    const SetCharacter* character = code < 0 ? nullptr : document_.Set().Find(code);
    if (character == nullptr) {
        editor_->UseHistory(nullptr);
        return false;
    }
    editor_->UseHistory(History(code));
    editor_->ShowGrid(GridOf(character->pattern));
    code_ = code;
    return true;
}

void CurrentCharacter::Forget() {
    code_ = -1;
    if (editor_ != nullptr) {
        editor_->UseHistory(nullptr);
    }
}

bool CurrentCharacter::SetWidth(int width) {
    const SetCharacter* character = code_ >= 0 ? document_.Set().Find(code_) : nullptr;
    width = std::clamp(width, 0, document_.Set().Cell().width);
    if (character == nullptr || character->width == width) {
        return false;
    }
    History(code_)->push(
        new SetWidthsCommand(document_, {{code_, width}}, QStringLiteral("Width")));
    return true;
}

// The field's undo and redo reach here from the history, outside any handler: nothing may
// throw past it.
void CurrentCharacter::FieldShown(const CharacterGrid& grid) {
    if (code_ < 0) {
        return;
    }
    RunHandler(window_, [this, &grid] { document_.SetPattern(code_, PatternOf(grid)); });
}

// The character's history, a member of the editor's group of histories.
QUndoStack* CurrentCharacter::History(int code) {
    QUndoStack* history = document_.HistoryOf(code, kHistorySteps);
    editor_->HistoryGroup()->addStack(history);
    return history;
}

}  // namespace zrl
