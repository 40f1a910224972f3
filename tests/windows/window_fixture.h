#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <ostream>

#include "platform/clipboard.h"
#include "platform/runtime_error.h"
#include "windows/editor/main_window.h"
#include "windows/startup/forms.h"
#include "windows/startup/splash_window.h"

// QtTest's waits report a failure to QtTest's own log, which a GoogleTest run never reads:
// here they wait for the state they read, with a deadline, and fail the test where it does
// not come.
#undef QTRY_VERIFY_WITH_TIMEOUT
#define QTRY_VERIFY_WITH_TIMEOUT(expr, timeout)                                      \
    EXPECT_TRUE(QTest::qWaitFor([&]() { return static_cast<bool>(expr); }, timeout)) \
        << "waited " << (timeout) << " ms for " #expr
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, 5000)
#undef QTRY_COMPARE_WITH_TIMEOUT
#define QTRY_COMPARE_WITH_TIMEOUT(actual, expected, timeout)                                   \
    do {                                                                                       \
        static_cast<void>(QTest::qWaitFor([&]() { return (actual) == (expected); }, timeout)); \
        EXPECT_EQ(actual, expected) << "after waiting " << (timeout) << " ms";                 \
    } while (false)
#undef QTRY_COMPARE
#define QTRY_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, 5000)

// Test failures show strings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zrl::testing {

// Records what the windows put on the clipboard; can be told to fail.
class RecordingClipboard : public Clipboard {
public:
    void Clear() override {
        calls << QStringLiteral("Clear");
        text.clear();
    }
    void SetText(const QString& newText) override {
        if (fail) {
            throw RuntimeError(QStringLiteral("Could not copy the listing to the clipboard."));
        }
        calls << QStringLiteral("SetText");
        text = newText;
    }
    std::optional<QString> Text() override {
        return holdsText ? std::optional(text) : std::nullopt;
    }

    QString text;
    QStringList calls;
    bool fail = false;
    bool holdsText = true;  // false: something other than text, such as an image
};

// A whole program of its own: its windows, a recording clipboard, and the run-time errors
// it reported.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        previousReporter_ =
            SetErrorReporter([this](QWidget*, const QString& message) { reported << message; });
    }
    ~WindowTest() override {
        SetErrorReporter(previousReporter_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Starts the program as a user does, then lets the splash go, leaving the editor shown
    // and active.
    FrmMain* OpenEditor() {
        FrmMain* editor = forms.main.Start();
        forms.splash.Unload();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
        return editor;
    }

    RecordingClipboard clipboard;
    Forms forms{clipboard};
    QStringList reported;

private:
    ErrorReporter previousReporter_;
};

}  // namespace zrl::testing
