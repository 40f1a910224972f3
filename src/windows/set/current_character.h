#pragma once

#include <QObject>
#include <QPointer>

#include "core/model/character_grid.h"

class QUndoStack;
class QWidget;

namespace zrl {

class FrmMain;
class SetDocument;

// The character of the set that the editor's field shows and edits: each change in the
// field changes it, into its own history, which the editor's group of histories holds.
class CurrentCharacter : public QObject {
    Q_OBJECT

public:
    // A part of the window, which reports what fails.
    CurrentCharacter(SetDocument& document, FrmMain& editor, QWidget* window);

    int Code() const { return code_; }  // -1: none
    // The field shows the character and edits it from now on; false where the code has
    // none, and none is current.
    bool Make(int code);
    // None is current, the field's changes its own again.
    void Forget();
    // The character's width, as a step of its history; false where nothing changes.
    bool SetWidth(int width);

private:
    void FieldShown(const CharacterGrid& grid);
    QUndoStack* History(int code);

    SetDocument& document_;
    QPointer<FrmMain> editor_;
    QWidget* window_;
    int code_ = -1;
};

}  // namespace zrl
