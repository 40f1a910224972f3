#include "history_keys.h"

#include <QKeyEvent>

namespace zrl {

namespace {

QList<QKeySequence> WithExtras(QKeySequence::StandardKey standard,
                               std::initializer_list<QKeySequence> extras) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& extra : extras) {
        if (!keys.contains(extra)) {
            keys << extra;
        }
    }
    return keys;
}

bool IsOneOf(const QKeyEvent* event, const QList<QKeySequence>& keys) {
    const QKeySequence pressed(event->keyCombination());
    return keys.contains(pressed);
}

}  // namespace

QList<QKeySequence> UndoKeys() {
    static const QList<QKeySequence> keys =
        WithExtras(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    return keys;
}

QList<QKeySequence> RedoKeys() {
    static const QList<QKeySequence> keys = WithExtras(
        QKeySequence::Redo,
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    return keys;
}

bool IsUndoKey(const QKeyEvent* event) {
    return IsOneOf(event, UndoKeys());
}

bool IsRedoKey(const QKeyEvent* event) {
    return IsOneOf(event, RedoKeys());
}

}  // namespace zrl
