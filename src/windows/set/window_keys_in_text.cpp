#include "window_keys_in_text.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace zrl {

namespace {

// The keys a line edit edits its text with, which no window shortcut takes from it; not the
// Emacs keys X11's line edits take beside Home and End (Ctrl+A, Ctrl+E).
bool EditsText(const QKeyEvent& key) {
    for (const auto standard :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
          QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Delete,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
          QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord}) {
        if (key.matches(standard)) {
            return true;
        }
    }
    return (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
}

}  // namespace

WindowKeysInText::WindowKeysInText(QLineEdit* edit) : QObject(edit) {
    edit->installEventFilter(this);
}

bool WindowKeysInText::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (EditsText(key)) {
        return false;
    }
    const QKeySequence pressed(key.keyCombination());
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    for (const QAction* action : window->actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Not taken by the line edit: the shortcut goes to the window.
            event->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace zrl
