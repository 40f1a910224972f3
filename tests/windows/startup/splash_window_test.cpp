#include "windows/startup/splash_window.h"

#include <QTimer>

#include "platform/label.h"
#include "platform/picture.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

class SplashTest : public WindowTest {
protected:
    FrmMain* editor = forms.main.Start();
    QPointer<frmSplash> splash = forms.splash.IfExists();
    QPointer<QTimer> timer = splash ? splash->Timer1 : nullptr;

    void ExpectEditorShownAndSplashGone() {
        EXPECT_TRUE(editor->isVisible());
        EXPECT_FALSE(forms.splash.Exists());
        EXPECT_TRUE(splash.isNull() || !splash->isVisible());
        EXPECT_TRUE(timer.isNull() || !timer->isActive()) << "the timer stops with the splash";
    }
};

TEST_F(SplashTest, StartShowsTheSplashInFrontOfTheHiddenEditor) {
    ASSERT_FALSE(splash.isNull());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(281, 201));
    EXPECT_TRUE(splash->windowTitle().isEmpty());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->lblProductName->Caption(), QStringLiteral("Zerlin (ZRL)"));
    EXPECT_EQ(splash->lblProductName->pos(), QPoint(28, 176));
    EXPECT_EQ(splash->imgLogo->toolTip(), QStringLiteral("www.zerlin.example"));
    EXPECT_EQ(splash->imgLogo->size(), QSize(259, 156));
    EXPECT_EQ(splash->SplashTick(), 0);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(SplashTest, FourTicksStepThroughTheContactsThenRevealTheEditor) {
    const QStringList captions = {QStringLiteral("www.zerlin.example"),
                                  QStringLiteral("info@zerlin.example"),
                                  QStringLiteral("+1 555 0100")};
    for (const QString& caption : captions) {
        splash->Timer1_Timer();
        EXPECT_EQ(splash->lblProductName->Caption(), caption);
        EXPECT_EQ(splash->lblProductName->pos(), QPoint(28, 176)) << "grows from its left edge";
        EXPECT_EQ(splash->lblProductName->size(), splash->lblProductName->sizeHint());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_TRUE(splash->isVisible());
    }
    splash->Timer1_Timer();
    ExpectEditorShownAndSplashGone();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()) << "unloaded, not merely hidden";
}

TEST_F(SplashTest, AKeyBeforeAnyTickRevealsTheEditorAtOnce) {
    QTest::keyClick(splash, Qt::Key_A);
    ExpectEditorShownAndSplashGone();
}

TEST_F(SplashTest, AKeyBetweenTicksSkipsTheRemainingLines) {
    splash->Timer1_Timer();
    splash->Timer1_Timer();
    QTest::keyClick(splash, Qt::Key_Return);
    ExpectEditorShownAndSplashGone();
}

TEST_F(SplashTest, KeysWithoutACharacterAndClicksDoNothing) {
    QTest::keyClick(splash, Qt::Key_Shift);
    QTest::keyClick(splash, Qt::Key_F5);
    QTest::mouseClick(splash, Qt::LeftButton);
    QTest::mouseClick(splash->imgLogo, Qt::LeftButton);
    QTest::mouseClick(splash->lblProductName, Qt::LeftButton);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(splash->lblProductName->Caption(), QStringLiteral("Zerlin (ZRL)"));
}

TEST_F(SplashTest, ClosingTheSplashAnyOtherWayStillRevealsTheEditor) {
    splash->close();
    ExpectEditorShownAndSplashGone();
}

TEST_F(SplashTest, TheRealTimerTicks) {
    timer->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor->isVisible(); }, 5000));
    ExpectEditorShownAndSplashGone();
}

}  // namespace
}  // namespace zrl::testing
