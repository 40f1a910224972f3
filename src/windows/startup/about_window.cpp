#include "about_window.h"

#include <QImage>
#include <QPushButton>

#include "artwork.h"
#include "contact.h"
#include "forms.h"
#include "platform/label.h"
#include "platform/line_shape.h"
#include "platform/picture.h"
#include "platform/twips.h"

namespace zrl {

namespace {

// Two 32 x 32 images: 16 colours and 2 colours. Drawn once: icons cache the pixmaps they
// hand out under their own key, so a new icon for every window would fill that cache.
const QIcon& AboutIcon() {
    static const QIcon icon = [] {
        const QImage full = DrawIconImage(32).toImage();
        QIcon images;
        images.addPixmap(
            QPixmap::fromImage(full.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)));
        images.addPixmap(QPixmap::fromImage(full.convertToFormat(QImage::Format_Mono)));
        return images;
    }();
    return icon;
}

}  // namespace

// The runs of spaces make the label's word wrap put each entry on a line of its own.
QString frmAbout::DisclaimerText() {
    const QString gap(74, u' ');
    return QStringLiteral("Web Site : ") + kWebAddress + gap + QStringLiteral("Email : ") +
           kEmailAddress + gap + QStringLiteral("Mobile : ") + kTelephone;
}

frmAbout::frmAbout(Forms& forms)
    : Form(forms.main.FormIfExists(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                          Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kWebAddress);
    setWindowIcon(AboutIcon());
    SetClientSizeTwips(7350, 4755);
    SetBackColor(kNavy);

    picIcon = new Picture(this, QSize(487, 261), DrawAboutPicture);

    Line1_0 = new LineShape(this, 0, 3960, 7320, 3960);
    Line1_0->SetBorderColor(0x00FFFFFF);
    Line1_0->SetBorderWidth(2);

    lblDisclaimer = new Label(this);
    PlaceTwips(lblDisclaimer, 120, 4080, 5775, 585);
    lblDisclaimer->SetColours(kNavy, 0x0080FF80);
    lblDisclaimer->SetCaption(DisclaimerText());

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    PlaceTwips(cmdOK, 6000, 4080, 1260, 345);
    cmdOK->setDefault(true);
    SetDefaultButton(cmdOK);
    SetCancelButton(cmdOK);
    OnClick(cmdOK, [this] { cmdOK_Click(); });
    setFocusProxy(cmdOK);

    MoveClientToScreenTwips(2340, 1935);
}

void frmAbout::cmdOK_Click() {
    Unload();
}

Form* NewAbout(Forms& forms) {
    return new frmAbout(forms);
}

}  // namespace zrl
