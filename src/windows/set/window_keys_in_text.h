#pragma once

#include <QObject>

class QLineEdit;

namespace zrl {

// Lets the window's shortcuts reach it from a line edit that would take their keys for
// itself: Qt's line edit takes Ctrl+E as End, the set window's Export. Keys a line edit
// edits text with (copy, paste, undo, select all, delete, the arrows and their kin) stay the
// line edit's.
class WindowKeysInText : public QObject {
public:
    explicit WindowKeysInText(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zrl
