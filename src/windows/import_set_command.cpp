#include "import_set_command.h"

#include "character_set_window.h"

namespace zrl {

ImportSetCommand::ImportSetCommand(FrmCharSet& window, const CharacterSet& imported,
                                   const QString& text)
    : QUndoCommand(text), window_(window) {
    for (const auto& [code, character] : imported.Characters()) {
        const SetCharacter* old = window.Set().Find(code);
        before_[code] = old != nullptr ? std::optional(*old) : std::nullopt;
        after_[code] = character;
    }
}

void ImportSetCommand::undo() {
    window_.PutCharacters(before_);
}

void ImportSetCommand::redo() {
    window_.PutCharacters(after_);
}

}  // namespace zrl
