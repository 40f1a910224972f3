#pragma once

#include <QString>

#include "core/model/character_grid.h"

namespace zrl {

// The set window as the editor sees it: the editor shows it beside itself, has it open and
// save sets, and asks it before the program ends. The set window implements it, and the
// editor reaches it through the windows' registry (Forms) knowing no more of it.
class SetCompanion {
public:
    enum class Command { Open, Save, SaveAs };

    virtual void Run(Command command) = 0;
    // Asks for a set's file and opens it: whether it did, and, where it could not, why.
    struct Opened {
        bool done = false;
        QString error;  // "" where none was chosen
    };
    virtual Opened Open() = 0;
    // Saves the field's character as a set of its own, at a code the person gives: where
    // no set is open, a save keeps what the field shows.
    virtual void SaveCharacter(const CharacterGrid& grid) = 0;
    // Asks Save, Discard or Cancel while there are unsaved changes; true to go on.
    virtual bool MaybeSave() = 0;

protected:
    ~SetCompanion() = default;
};

}  // namespace zrl
