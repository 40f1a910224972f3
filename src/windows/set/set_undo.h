#pragma once

#include <QObject>
#include <QPointer>
#include <QUndoStack>

class QAction;
class QUndoGroup;
class QWidget;

namespace zrl {

// The set window's Undo and Redo: the current character's own steps while it has any, then
// the set's own (an import, Fit Widths, a cell size, a character added or deleted), so that
// the set's steps are reached whatever character is current. The editor's keys stay with
// its field's history.
class SetUndo : public QObject {
    Q_OBJECT

public:
    // `characters`: the editor's histories, the current character's active; `set`: the set's.
    SetUndo(QUndoGroup* characters, QUndoStack* set, QWidget* window);

    QAction* Undo;
    QAction* Redo;

private:
    QUndoStack* Undoing() const;
    QUndoStack* Redoing() const;
    void Update();

    QUndoGroup* characters_;
    // The set's stack goes before the characters' as the window closes, and they still say
    // they changed.
    QPointer<QUndoStack> set_;
};

}  // namespace zrl
