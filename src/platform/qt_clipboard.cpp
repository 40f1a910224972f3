#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "runtime_error.h"

namespace zrl {

namespace {

QClipboard& SystemClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        throw RuntimeError(QStringLiteral("The clipboard is not available."));
    }
    return *clipboard;
}

}  // namespace

void QtClipboard::Clear() {
    SystemClipboard().clear();
}

void QtClipboard::SetText(const QString& text) {
    QClipboard& clipboard = SystemClipboard();
    clipboard.setText(text);
    // Read it back: another program may hold the clipboard, and a copy that did not
    // happen must not look like one that did.
    if (clipboard.text() != text) {
        throw RuntimeError(QStringLiteral("Could not copy the listing to the clipboard."));
    }
}

std::optional<QString> QtClipboard::Text() {
    const QMimeData* data = SystemClipboard().mimeData();
    if (data == nullptr || data->formats().isEmpty()) {
        return QString();
    }
    if (!data->hasText()) {
        return std::nullopt;
    }
    return data->text();
}

}  // namespace zrl
