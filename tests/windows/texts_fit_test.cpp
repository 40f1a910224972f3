// Every text of the three windows is whole in its control with the fonts of the platform it
// runs on. Under Wine the window check runs this suite on Qt's windows platform, with the
// font engine Windows uses.
#include <QAbstractButton>
#include <QLabel>

#include "window_fixture.h"
#include "windows/startup/about_window.h"

namespace zrl::testing {
namespace {

class TextsFitTest : public WindowTest {};

// A word-wrapped label shows all its lines; any other text fits its width.
QStringList Cut(const QWidget* window) {
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window)) {
            continue;
        }
        const int needed = label->wordWrap()
                               ? label->heightForWidth(label->width())
                               : label->fontMetrics().boundingRect(label->text()).height();
        const int wide =
            label->wordWrap() ? 0 : label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->height() || wide > label->width()) {
            cut << label->text().simplified();
        }
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 8 &&
            button->fontMetrics().horizontalAdvance(button->text()) + 4 > button->width()) {
            cut << button->text();
        }
    }
    return cut;
}

TEST_F(TextsFitTest, EveryTextIsWholeInItsControl) {
    FrmMain* editor = forms.main.Start();
    EXPECT_EQ(Cut(forms.splash.Get()), QStringList());
    forms.splash.Unload();
    EXPECT_EQ(Cut(editor), QStringList());
    EXPECT_EQ(Cut(forms.about.Get()), QStringList());
}

}  // namespace
}  // namespace zrl::testing
