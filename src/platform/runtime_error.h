#pragma once

#include <QString>
#include <functional>
#include <stdexcept>
#include <utility>

class QWidget;

namespace zrl {

// A window, control or clipboard operation that failed. It ends the handler that raised
// it; RunHandler catches it at the handler boundary so it never crosses Qt's event loop.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

using ErrorReporter = std::function<void(QWidget* window, const QString& message)>;

// How failures are shown; by default a message box naming the program. Tests install
// their own to record failures instead. Returns the previous reporter.
ErrorReporter SetErrorReporter(ErrorReporter reporter);
void ReportRuntimeError(QWidget* window, const QString& message);

// Runs one event handler to completion, or up to the failing operation. Whatever the
// handler had written stays written: the program goes on with the user's work intact.
template <typename Handler>
void RunHandler(QWidget* window, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError& error) {
        ReportRuntimeError(window, error.Message());
    } catch (const std::exception& error) {
        ReportRuntimeError(window, QString::fromUtf8(error.what()));
    }
}

}  // namespace zrl
