#include "runtime_error.h"

#include <QMessageBox>

namespace zrl {

namespace {

void ShowMessageBox(QWidget* window, const QString& message) {
    // Not the display name: set, it would be appended to every window caption on X11.
    QMessageBox::critical(window, QStringLiteral("Zerlin"), message);
}

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter = ShowMessageBox;
    return reporter;
}

}  // namespace

RuntimeError::RuntimeError(const QString& message) : std::runtime_error(message.toStdString()) {}

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportRuntimeError(QWidget* window, const QString& message) {
    CurrentReporter()(window, message);
}

}  // namespace zrl
