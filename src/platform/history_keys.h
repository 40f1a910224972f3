#pragma once

#include <QKeySequence>
#include <QList>

class QKeyEvent;

namespace zrl {

// The keys of undo and redo, alike on every platform: the platform's own, plus Ctrl+Z to
// undo and both Ctrl+Shift+Z and Ctrl+Y to redo.
QList<QKeySequence> UndoKeys();
QList<QKeySequence> RedoKeys();

bool IsUndoKey(const QKeyEvent* event);
bool IsRedoKey(const QKeyEvent* event);

}  // namespace zrl
