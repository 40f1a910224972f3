#include "asking.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>

namespace zrl {

namespace {

// What a window manager's title bar takes beside the title: its icon and its buttons.
constexpr int kTitleBarRoom = 160;

}  // namespace

void FitTitle(QDialog& dialog) {
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    dialog.setMinimumWidth(std::max(
        dialog.minimumWidth(), metrics.horizontalAdvance(dialog.windowTitle()) + kTitleBarRoom));
}

QString AskItem(QWidget* parent, const QString& title, const QString& label,
                const QStringList& items, int current, bool* chosen) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.value(current));
    FitTitle(dialog);
    *chosen = dialog.exec() == QDialog::Accepted;
    return *chosen ? dialog.textValue() : QString();
}

QString AskText(QWidget* parent, const QString& title, const QString& label, const QString& text,
                bool* chosen) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    FitTitle(dialog);
    *chosen = dialog.exec() == QDialog::Accepted;
    return *chosen ? dialog.textValue() : QString();
}

}  // namespace zrl
