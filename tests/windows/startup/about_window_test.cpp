#include "windows/startup/about_window.h"

#include <QPushButton>
#include <QTextLayout>
#include <QTimer>

#include "platform/colour_button.h"
#include "platform/label.h"
#include "platform/text_box.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

class AboutTest : public WindowTest {
protected:
    FrmMain* editor = OpenEditor();

    frmAbout* OpenAbout() {
        QTest::mouseClick(editor->CmdHelp, Qt::LeftButton);
        frmAbout* about = forms.about.IfExists();
        EXPECT_NE(about, nullptr);
        return about;
    }
};

TEST_F(AboutTest, HelpOpensOneAboutWindowAtItsPlace) {
    frmAbout* about = OpenAbout();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About www.zerlin.example"));
    EXPECT_EQ(about->size(), QSize(490, 317));
    EXPECT_EQ(about->geometry().topLeft(), QPoint(156, 129));
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(OpenAbout(), about) << "a second Help click reuses the open window";
    EXPECT_EQ(editor->findChildren<frmAbout*>().size(), 1);
}

TEST_F(AboutTest, EnterEscOkAndTheCloseBoxCloseIt) {
    const auto closes = [&](const std::function<void(frmAbout*)>& how) {
        frmAbout* about = OpenAbout();
        how(about);
        return !forms.about.Exists() && !about->isVisible();
    };
    EXPECT_TRUE(closes([](frmAbout* a) { QTest::keyClick(a, Qt::Key_Return); }));
    EXPECT_TRUE(closes([](frmAbout* a) { QTest::keyClick(a, Qt::Key_Escape); }));
    EXPECT_TRUE(closes([](frmAbout* a) { QTest::mouseClick(a->cmdOK, Qt::LeftButton); }));
    EXPECT_TRUE(closes([](frmAbout* a) { a->close(); }));
}

TEST_F(AboutTest, TheEditorKeepsWorkingWhileItIsOpen) {
    OpenAbout();
    QTest::mouseClick(editor->Cmd[0], Qt::LeftButton);
    EXPECT_TRUE(editor->TxtOutput->Text().startsWith(QStringLiteral("Data &B10000 \r\n")));
    EXPECT_TRUE(forms.about.Exists());
}

TEST_F(AboutTest, TheThreeEntriesWrapOntoThreeLines) {
    Label* label = OpenAbout()->lblDisclaimer;
    EXPECT_EQ(label->Caption().count(QString(74, u' ')), 2);
    QTextLayout layout(label->Caption(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        lines << label->Caption().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    EXPECT_EQ(lines, QStringList({QStringLiteral("Web Site : www.zerlin.example"),
                                  QStringLiteral("Email : info@zerlin.example"),
                                  QStringLiteral("Mobile : +1 555 0100")}));
    EXPECT_LE(3 * QFontMetrics(label->font()).lineSpacing(), label->height());
}

TEST_F(AboutTest, ManyOpenAndCloseCyclesLeaveNothingBehind) {
    const auto widgets = QApplication::allWidgets().size();
    const auto windows = QApplication::topLevelWidgets().size();
    for (int cycle = 0; cycle < 1000; ++cycle) {
        frmAbout* about = OpenAbout();
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_TRUE(editor->findChildren<frmAbout*>().isEmpty());
    EXPECT_TRUE(editor->findChildren<QTimer*>().isEmpty());
}

}  // namespace
}  // namespace zrl::testing
