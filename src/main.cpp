#include <QApplication>
#include <cstdio>

#include "platform/application_setup.h"
#include "platform/qt_clipboard.h"
#include "windows/artwork.h"
#include "windows/forms.h"
#include "windows/main_window.h"

int main(int argc, char* argv[]) {
    if (!zrl::HasDisplay()) {
        std::fputs(
            "zerlin: no display found (DISPLAY is not set); run it on a desktop, "
            "or run 'make screenshots' to render the windows to docs/ under Xvfb.\n",
            stderr);
        return 1;
    }
    zrl::ChoosePlatform();
    QApplication app(argc, argv);
    zrl::SetUpApplication(app);
    QApplication::setWindowIcon(zrl::ProgramIcon());

    zrl::QtClipboard clipboard;
    zrl::Forms forms(clipboard);
    zrl::FrmMain* editor = forms.main.Start();
    // The editor is the program: closing it ends the run, and any About window with it.
    QObject::connect(editor, &zrl::Form::Unloaded, &app, &QCoreApplication::quit);
    return app.exec();
}
