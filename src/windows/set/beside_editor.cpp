#include "beside_editor.h"

#include <QEvent>
#include <QWidget>

#include "side_by_side.h"

namespace zrl {

BesideEditor::BesideEditor(QWidget& set, QWidget& editor, std::function<void(const QString&)> say,
                           std::function<void(int)> leave)
    : QObject(&set), set_(set), editor_(&editor), say_(std::move(say)), leave_(std::move(leave)) {
    editor.installEventFilter(this);
}

void BesideEditor::Place() {
    if (editor_ == nullptr || !PlaceBeside(set_, *editor_)) {
        return;
    }
    // Asked once for the set window's narrowest: the editor lays its field out again.
    if (const int room = RoomForLeast(set_, *editor_); set_.isVisible() && room > left_) {
        left_ = room;
        leave_(room);
        if (editor_ == nullptr || !PlaceBeside(set_, *editor_)) {
            return;
        }
    }
    say_(QStringLiteral("The screen is too narrow to show the set beside the editor"));
}

void BesideEditor::Fit() {
    if (set_.size().expandedTo(set_.sizeHint()) != set_.size()) {
        Place();
    }
}

bool BesideEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::Resize && set_.isVisible()) {
        Place();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zrl
