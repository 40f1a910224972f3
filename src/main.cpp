#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "cli/command_line.h"
#include "cli/unused_options.h"
#include "platform/application_setup.h"
#include "platform/console.h"
#include "platform/qt_clipboard.h"
#include "windows/editor/main_window.h"
#include "windows/set/character_set_window.h"
#include "windows/set/recovery.h"
#include "windows/startup/artwork.h"
#include "windows/startup/forms.h"
#include "windows/startup/splash_window.h"

namespace {

// A set named on the command line opens beside the editor once the splash has gone; with
// none, a copy of a set that a run left unsaved is offered, if there is one.
void OpenSetAfterSplash(zrl::Forms& forms, const QString& path) {
    const auto open = [&forms, path] {
        if (path.isEmpty()) {
            if (zrl::Recovery::FindLeft()) {
                forms.charSet.Get()->OfferRecovery();
            }
            return;
        }
        zrl::FrmCharSet* set = forms.charSet.Get();
        set->OpenFile(path);
        set->OfferOtherCopies();
        set->SetVisible(true);
    };
    if (zrl::frmSplash* splash = forms.splash.IfExists()) {
        QObject::connect(splash, &zrl::Form::Unloaded, forms.main.Get(), open,
                         Qt::QueuedConnection);
    } else {
        open();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (zrl::WantsNoWindow(argc, argv)) {
        zrl::UseParentConsole();
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("zerlin"));
        QCoreApplication::setApplicationVersion(QStringLiteral(ZRL_VERSION));
        return zrl::RunWithoutWindow(app);
    }
    if (const std::optional<int> status = zrl::RefuseWindowArguments(argc, argv)) {
        return *status;
    }
    if (const QString why = zrl::WhyNoDisplay(); !why.isEmpty()) {
        std::fprintf(stderr,
                     "zerlin: %s; run Zerlin on a desktop, or convert a font with no window: "
                     "zerlin --export LAYOUT INPUT [OUTPUT] (see zerlin --help)\n",
                     qPrintable(why));
        return 1;
    }
    zrl::ChoosePlatform();
    QApplication app(argc, argv);
    zrl::SetUpApplication(app);
    QApplication::setWindowIcon(zrl::ProgramIcon());

    QCommandLineParser parser;
    zrl::DescribeArguments(parser);
    parser.process(app);

    zrl::QtClipboard clipboard;
    zrl::Forms forms(clipboard);
    zrl::FrmMain* editor = forms.main.Start();
    // The editor is the program: closing it ends the run, and any About window with it.
    QObject::connect(editor, &zrl::Form::Unloaded, &app, &QCoreApplication::quit);
    OpenSetAfterSplash(forms, parser.positionalArguments().value(0));
    return app.exec();
}
