#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace zrl {

// The small questions the windows ask, each in a dialog wide enough for its whole title:
// QInputDialog sizes itself to its controls, and a window manager then cuts a longer title
// short ("New C… er Set").

// Widens the dialog, where needed, to show its title beside the window manager's buttons.
void FitTitle(QDialog& dialog);

// One of the items; `chosen` says whether one was.
QString AskItem(QWidget* parent, const QString& title, const QString& label,
                const QStringList& items, int current, bool* chosen);

// A line of text, starting as `text`; `chosen` says whether it was given.
QString AskText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                bool* chosen);

}  // namespace zrl
