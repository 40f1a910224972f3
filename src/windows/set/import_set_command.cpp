#include "import_set_command.h"

#include "character_set_window.h"
#include "core/text/code_map.h"

namespace zrl {

namespace {

QString Imported(const CharacterSet& imported) {
    return QStringLiteral("Imported %1")
        .arg(QString::fromStdString(Counted(imported.Size(), "character")));
}

}  // namespace

ImportSetCommand::ImportSetCommand(FrmCharSet& window, const CharacterSet& imported,
                                   const QString& text, QString done)
    : SetStep(window, text, done.isEmpty() ? Imported(imported) : std::move(done)) {
    for (const auto& [code, character] : imported.Characters()) {
        const SetCharacter* old = window.Set().Find(code);
        before_[code] = old != nullptr ? std::optional(*old) : std::nullopt;
        after_[code] = character;
    }
}

ImportSetCommand::ImportSetCommand(FrmCharSet& window, const Characters& after, const QString& text,
                                   QString done)
    : SetStep(window, text, std::move(done)), after_(after) {
    for (const auto& [code, character] : after) {
        const SetCharacter* old = window.Set().Find(code);
        before_[code] = old != nullptr ? std::optional(*old) : std::nullopt;
    }
}

void ImportSetCommand::Apply(bool forward) {
    window_.PutCharacters(forward ? after_ : before_);
}

}  // namespace zrl
