#include "beside_editor.h"

#include <QEvent>
#include <QWidget>

#include "side_by_side.h"

namespace zrl {

BesideEditor::BesideEditor(QWidget& set, QWidget& editor, std::function<void(const QString&)> say)
    : QObject(&set), set_(set), editor_(&editor), say_(std::move(say)) {
    editor.installEventFilter(this);
}

void BesideEditor::Place() {
    if (editor_ != nullptr && PlaceBeside(set_, *editor_)) {
        say_(QStringLiteral("The screen is too narrow to show the set beside the editor"));
    }
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
