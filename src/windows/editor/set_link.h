#pragma once

#include "set_companion.h"

class QWidget;

namespace zrl {

class Forms;

// How the editor reaches the set window through the windows' registry: shows it beside
// itself, has it open and save sets, and asks it before the program ends.
class SetLink {
public:
    SetLink(QWidget* editor, Forms& forms) : editor_(editor), forms_(forms) {}

    // The set window, shown and active.
    SetCompanion* Show();
    // An Open that opens nothing leaves no blank set window behind, and says why in its place.
    void Open();
    // With no set open, what is saved is the field's character.
    void Save(SetCompanion::Command command, const CharacterGrid& field);
    // True where there is no set window, or its unsaved changes may go.
    bool MaybeSave();

private:
    bool IsShown() const;

    QWidget* editor_;
    Forms& forms_;
};

}  // namespace zrl
