#include "set_link.h"

#include <QMessageBox>

#include "platform/form.h"
#include "windows/startup/forms.h"

namespace zrl {

bool SetLink::IsShown() const {
    return forms_.charSet.FormIfExists() != nullptr && forms_.charSet.FormIfExists()->isVisible();
}

SetCompanion* SetLink::Show() {
    Form* set = forms_.charSet.GetForm();
    set->SetVisible(true);
    set->raise();
    set->activateWindow();
    return dynamic_cast<SetCompanion*>(set);
}

void SetLink::Open() {
    const bool shown = IsShown();
    const SetCompanion::Opened opened = Show()->Open();
    if (!opened.done && !shown) {
        forms_.charSet.GetForm()->SetVisible(false);
        if (!opened.error.isEmpty()) {
            QMessageBox::warning(editor_, QStringLiteral("Open Character Set"), opened.error);
        }
    }
}

void SetLink::Save(SetCompanion::Command command, const CharacterGrid& field) {
    const bool open = IsShown();
    SetCompanion* set = Show();
    open ? set->Run(command) : set->SaveCharacter(field);
}

bool SetLink::MaybeSave() {
    auto* set = dynamic_cast<SetCompanion*>(forms_.charSet.FormIfExists());
    return set == nullptr || set->MaybeSave();
}

}  // namespace zrl
