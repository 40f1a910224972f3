#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QTest>

#include "platform/colour_button.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/qt_clipboard.h"
#include "platform/runtime_error.h"
#include "platform/text_box.h"
#include "platform/twips.h"

namespace zrl {
namespace {

TEST(TextBox, TextRoundTripsCrLf) {
    TextBox box;
    const QString listing = QStringLiteral("Data &B10001 \r\nData &B01110 \r\nData &B00000");
    box.SetText(listing);
    EXPECT_EQ(box.Text(), listing);
    EXPECT_EQ(box.blockCount(), 3) << "shown as three lines";

    box.SetText(QString());
    EXPECT_EQ(box.Text(), QString());
    box.SetText(QStringLiteral("a\u00A0b \r\n"));
    EXPECT_EQ(box.Text(), QStringLiteral("a\u00A0b \r\n")) << "no character is rewritten";
}

TEST(TextBox, TypedLinesReadBackWithCrLf) {
    TextBox box;
    box.show();
    box.SetFocus();
    QTest::keyClicks(&box, QStringLiteral("one"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, QStringLiteral("two"));
    EXPECT_EQ(box.Text(), QStringLiteral("one\r\ntwo"));
}

TEST(Label, SizedToTextKeepsLeftAndTop) {
    QWidget parent;
    Label label(&parent, Label::Sizing::ToText);
    PlaceTwips(&label, 420, 2640, 3210, 285);
    label.SetCaption(QStringLiteral("x"));
    const int narrow = label.width();
    label.SetCaption(QStringLiteral("www.zerlin.example and more"));
    EXPECT_GT(label.width(), narrow);
    EXPECT_EQ(label.pos(), QPoint(28, 176));
}

TEST(Label, FixedLabelWrapsAtSpaces) {
    QWidget parent;
    Label label(&parent);
    PlaceTwips(&label, 0, 0, 1500, 600);
    label.SetCaption(QStringLiteral("first") + QString(74, u' ') + QStringLiteral("second"));
    const QFontMetrics metrics(label.font());
    EXPECT_GE(label.heightForWidth(label.width()), 2 * metrics.lineSpacing());
    EXPECT_EQ(label.width(), 100) << "a fixed label keeps its size";
}

// A window laid out in twips, grabbed: sizes and face colours must be exact.
TEST(ColourButton, FaceShowsTheExactColour) {
    Form window;
    window.SetClientSizeTwips(1200, 600);
    window.SetBackColor(0x00800000);
    const OLE_COLOR colours[] = {0x000000FF, 0x8000000F, 0x00C0C0C0};
    ColourButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new ColourButton(&window);
        buttons[i]->SetBackColor(colours[i]);
        PlaceTwips(buttons[i], 120 + 240 * i, 360, 255, 195);
    }
    window.show();
    const QImage image = window.grab().toImage();
    if (qEnvironmentVariableIsSet("ZRL_SAVE_GRABS")) {
        image.save(QStringLiteral("colour_buttons.png"));
    }
    EXPECT_EQ(image.size(), QSize(80, 40));
    EXPECT_EQ(buttons[0]->geometry(), QRect(8, 24, 17, 13));
    const QColor expected[] = {QColor(255, 0, 0), QApplication::palette().color(QPalette::Button),
                               QColor(192, 192, 192)};
    for (int i = 0; i < 3; ++i) {
        const QPoint inside = buttons[i]->geometry().topLeft() + QPoint(3, 5);
        EXPECT_EQ(image.pixelColor(inside), expected[i]) << "button " << i;
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 0, 128)) << "navy window background";
}

class FailingClipboard : public Clipboard {
public:
    void Clear() override {}
    void SetText(const QString&) override {
        throw RuntimeError(QStringLiteral("Could not copy the listing to the clipboard."));
    }
    std::optional<QString> Text() override { return std::nullopt; }
};

TEST(Clipboard, QtClipboardHoldsExactlyTheText) {
    QtClipboard clipboard;
    clipboard.Clear();
    const QString text = QStringLiteral("Data &B1 \r\nData &B0");
    clipboard.SetText(text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    clipboard.SetText(QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

TEST(Clipboard, TextTellsAnEmptyClipboardFromOneWithoutText) {
    QtClipboard clipboard;
    clipboard.SetText(QStringLiteral("Data &B1"));
    EXPECT_EQ(clipboard.Text(), QStringLiteral("Data &B1"));
    clipboard.Clear();
    EXPECT_EQ(clipboard.Text(), QString());
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    EXPECT_EQ(clipboard.Text(), std::nullopt);
}

TEST(Clipboard, FailureIsReportedAndEndsTheHandler) {
    QStringList reported;
    const auto previous =
        SetErrorReporter([&](QWidget*, const QString& message) { reported << message; });
    FailingClipboard clipboard;
    bool finished = false;
    RunHandler(nullptr, [&] {
        clipboard.Clear();
        clipboard.SetText(QStringLiteral("x"));
        finished = true;
    });
    SetErrorReporter(previous);
    EXPECT_FALSE(finished);
    EXPECT_EQ(reported,
              QStringList(QStringLiteral("Could not copy the listing to the clipboard.")));
}

}  // namespace
}  // namespace zrl
