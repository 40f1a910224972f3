#include "set_undo.h"

#include <QAction>
#include <QUndoGroup>
#include <QUndoStack>
#include <QWidget>

#include "platform/history_keys.h"

namespace zrl {

SetUndo::SetUndo(QUndoGroup* characters, QUndoStack* set, QWidget* window)
    : QObject(window), characters_(characters), set_(set) {
    Undo = new QAction(window);
    Redo = new QAction(window);
    Undo->setShortcuts(UndoKeys());
    Redo->setShortcuts(RedoKeys());
    window->addActions({Undo, Redo});
    connect(Undo, &QAction::triggered, this, [this] { Undoing()->undo(); });
    connect(Redo, &QAction::triggered, this, [this] { Redoing()->redo(); });
    const auto update = [this] { Update(); };
    connect(characters_, &QUndoGroup::activeStackChanged, this, update);
    connect(characters_, &QUndoGroup::indexChanged, this, update);
    connect(characters_, &QUndoGroup::canUndoChanged, this, update);
    connect(characters_, &QUndoGroup::canRedoChanged, this, update);
    connect(set_, &QUndoStack::indexChanged, this, update);
    connect(set_, &QUndoStack::canUndoChanged, this, update);
    connect(set_, &QUndoStack::canRedoChanged, this, update);
    connect(set_, &QUndoStack::cleanChanged, this, update);
    Update();
}

QUndoStack* SetUndo::Undoing() const {
    QUndoStack* own = characters_->activeStack();
    return own != nullptr && own->canUndo() ? own : set_.data();
}

QUndoStack* SetUndo::Redoing() const {
    QUndoStack* own = characters_->activeStack();
    return own != nullptr && own->canRedo() ? own : set_.data();
}

void SetUndo::Update() {
    if (set_.isNull()) {
        return;
    }
    const QUndoStack* undoing = Undoing();
    const QUndoStack* redoing = Redoing();
    Undo->setEnabled(undoing->canUndo());
    Redo->setEnabled(redoing->canRedo());
    Undo->setText(undoing->canUndo() ? QStringLiteral("&Undo %1").arg(undoing->undoText())
                                     : QStringLiteral("&Undo"));
    Redo->setText(redoing->canRedo() ? QStringLiteral("&Redo %1").arg(redoing->redoText())
                                     : QStringLiteral("&Redo"));
}

}  // namespace zrl
