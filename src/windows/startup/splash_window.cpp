#include "splash_window.h"

#include <QFrame>
#include <QTimer>

#include "artwork.h"
#include "contact.h"
#include "forms.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/twips.h"

namespace zrl {

frmSplash::frmSplash(Forms& forms)
    : Form(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), forms_(forms) {
    setObjectName(QStringLiteral("frmSplash"));
    // It has no caption; a screen reader still names it.
    setAccessibleName(QStringLiteral("Zerlin (ZRL)"));
    SetClientSizeTwips(4215, 3015);
    SetBackColor(0x8000000F);
    SetKeyPreview(true);

    Frame1 = new QFrame(this);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    PlaceTwips(Frame1, 0, 0, 4185, 2955);

    imgLogo = new Picture(Frame1, QSize(259, 156), DrawSplashLogo);
    imgLogo->move(TwipRect(120, 240, 0, 0).topLeft());
    imgLogo->setToolTip(kWebAddress);

    lblProductName = new Label(Frame1, Label::Sizing::ToText);
    lblProductName->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    lblProductName->setAlignment(Qt::AlignCenter);
    PlaceTwips(lblProductName, 420, 2640, 3210, 285);
    lblProductName->SetCaption(QStringLiteral("Zerlin (ZRL)"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(3000);
    OnTimer(Timer1, [this] { Timer1_Timer(); });
    Timer1->start();

    CentreOnScreen();
}

void frmSplash::Load() {
    splashTick_ = 0;
}

void frmSplash::Timer1_Timer() {
    ++splashTick_;
    switch (splashTick_) {
        case 1:
            lblProductName->SetCaption(kWebAddress);
            break;
        case 2:
            lblProductName->SetCaption(kEmailAddress);
            break;
        case 3:
            lblProductName->SetCaption(kTelephone);
            break;
        case 4:
            ShowMainAndUnload();
            break;
        default:
            break;
    }
}

void frmSplash::KeyPress(QChar) {
    ShowMainAndUnload();
}

void frmSplash::ShowMainAndUnload() {
    forms_.main.SetVisible(true);
    Unload();
}

// However the splash goes (the window manager's close, Alt+F4), the editor must not be
// left hidden with no window on screen.
void frmSplash::Unloading() {
    if (Form* main = forms_.main.FormIfExists()) {
        main->SetVisible(true);
    }
}

Form* NewSplash(Forms& forms) {
    return new frmSplash(forms);
}

}  // namespace zrl
