// Renders each window as a user sees it into PNG files: the splash, the editor fresh, with
// a letter drawn and with the field's context menu open, the About window, and a character
// set beside the editor. Run by
// scripts/screenshots under Xvfb.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "platform/application_setup.h"
#include "platform/colour_button.h"
#include "platform/qt_clipboard.h"
#include "windows/dialogs/export_dialog.h"
#include "windows/dialogs/import_font_dialog.h"
#include "windows/dialogs/read_table_dialog.h"
#include "windows/editor/main_window.h"
#include "windows/set/character_set_window.h"
#include "windows/startup/about_window.h"
#include "windows/startup/artwork.h"
#include "windows/startup/forms.h"
#include "windows/startup/splash_window.h"

namespace {

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    QTest::qWait(200);
    const QString path = folder.filePath(name);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// The menu is a window of its own: the screen shows it over the editor as a user sees it.
bool SaveWithMenu(QWidget* window, QMenu* menu, const QDir& folder, const QString& name,
                  QRect beside = {}) {
    QTest::qWait(200);
    const QRect area = window->frameGeometry()
                           .united(menu != nullptr ? menu->geometry() : beside)
                           .adjusted(0, 0, 4, 4);
    const QString path = folder.filePath(name);
    const bool saved =
        window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// X11's 5x7 font with "A" current, its preview line showing a text.
bool SaveCharacterSet(zrl::Forms& forms, const QDir& folder) {
    zrl::FrmCharSet* set = forms.charSet.Get();
    const QString x11 = QStringLiteral("/usr/share/fonts/X11/misc/5x7.pcf.gz");
    if (!QFile::exists(x11) || !set->OpenFile(x11)) {
        set->NewSet(zrl::FrmCharSet::Kind::PrintableAscii);
    }
    set->SetVisible(true);
    set->MakeCurrent(65);
    set->PreviewText->setText(QStringLiteral("Hello, 5x7 world!"));
    return SaveWithMenu(forms.main.Get(), nullptr, folder, QStringLiteral("character-set.png"),
                        set->frameGeometry());
}

// An 8x8 LED module's heart.
bool SaveEightByEight(zrl::FrmMain* editor, const QDir& folder) {
    editor->ChangeFieldSize({8, 8});
    const char* rows[] = {"........", ".##..##.", "########", "########",
                          ".######.", "..####..", "...##...", "........"};
    for (int i = 0; i < 64; ++i) {
        if (rows[i / 8][i % 8] == '#') {
            QTest::mouseClick(editor->Cmd[static_cast<std::size_t>(i)], Qt::LeftButton);
        }
    }
    return Save(editor, folder, QStringLiteral("main-8x8.png"));
}

// A 64x64 field, one canvas, with a ring drawn and the keyboard cursor in it.
bool SaveLargeField(zrl::FrmMain* editor, const QDir& folder) {
    editor->ChangeFieldSize({64, 64});
    zrl::CharacterGrid ring = editor->Grid();
    for (int i = 0; i < ring.Size().Cells(); ++i) {
        const int dx = ring.Size().ColumnOf(i) - 31;
        const int dy = ring.Size().RowOf(i) - 31;
        if (dx * dx + dy * dy <= 28 * 28 && dx * dx + dy * dy >= 20 * 20) {
            ring.Toggle(i);
        }
    }
    editor->Edit(ring, QStringLiteral("Drawing"));
    const bool saved = Save(editor, folder, QStringLiteral("main-64x64.png"));
    editor->ChangeFieldSize({8, 8});
    return saved;
}

// X11's 6x13 font, in its own cells, its 4,121 glyphs whole, with Ж current.
bool SaveLargerSet(zrl::Forms& forms, const QDir& folder) {
    zrl::FrmCharSet* set = forms.charSet.Get();
    const QString x11 = QStringLiteral("/usr/share/fonts/X11/misc/6x13.pcf.gz");
    if (!QFile::exists(x11) || !set->OpenFile(x11)) {
        return false;
    }
    set->GoTo->setText(QStringLiteral("U+0416"));
    QTest::keyClick(set->GoTo, Qt::Key_Return);
    set->PreviewText->setText(QStringLiteral("Hello, 6x13 world!"));
    return SaveWithMenu(forms.main.Get(), nullptr, folder, QStringLiteral("character-set-6x13.png"),
                        set->frameGeometry());
}

// X11's 5x7 font fitted to its dots, its preview in green; then the Export dialog.
bool SaveProportional(zrl::Forms& forms, const QDir& folder) {
    zrl::FrmCharSet* set = forms.charSet.Get();
    const QString x11 = QStringLiteral("/usr/share/fonts/X11/misc/5x7.pcf.gz");
    if (!QFile::exists(x11) || !set->OpenFile(x11)) {
        return false;
    }
    set->FitWidths();
    set->MakeCurrent('i');
    set->DotColour->setCurrentIndex(1);
    set->PreviewText->setText(QStringLiteral("Fitted: a thin i, a wide M."));
    bool ok = SaveWithMenu(forms.main.Get(), nullptr, folder,
                           QStringLiteral("character-set-fitted.png"), set->frameGeometry());
    zrl::ExportDialog dialog(set->Set(), forms.clipboard, set);
    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("gfxfont"), Qt::MatchStartsWith));
    dialog.show();
    ok &= Save(&dialog, folder, QStringLiteral("export.png"));
    dialog.hide();
    // The same font as u8g2's array of its printable ASCII, named as u8g2 names its own.
    zrl::ExportDialog u8g2(set->Set(), forms.clipboard, set, x11);
    u8g2.Layout->setCurrentIndex(
        u8g2.Layout->findText(QStringLiteral("u8g2"), Qt::MatchStartsWith));
    u8g2.Characters->setText(QStringLiteral("32-127>32"));
    u8g2.show();
    ok &= Save(&u8g2, folder, QStringLiteral("export-u8g2.png"));
    u8g2.hide();
    // And as LVGL's font, with its lines and ranges.
    zrl::ExportDialog lvgl(set->Set(), forms.clipboard, set, x11);
    lvgl.Layout->setCurrentIndex(
        lvgl.Layout->findText(QStringLiteral("lvgl:"), Qt::MatchStartsWith));
    lvgl.Characters->setText(QStringLiteral("32-126,$B0"));
    lvgl.show();
    ok &= Save(&lvgl, folder, QStringLiteral("export-lvgl.png"));
    // A bare table of row bytes from an old project, told its layout and first code.
    zrl::ReadTableDialog told(
        "const uint8_t digits[] = {0x70, 0x88, 0x98, 0xA8, 0xC8, 0x88, 0x70};", zrl::kDefaultSize,
        set);
    told.Layout->setCurrentIndex(2);
    told.First->setValue(48);
    told.show();
    ok &= Save(&told, folder, QStringLiteral("import-table.png"));
    return ok;
}

// GNU Unifont whole, its preview writing Russian and a character it lacks; then the Export
// dialog writing its Latin and Cyrillic as a sparse table.
bool SaveUnicode(zrl::Forms& forms, const QDir& folder) {
    zrl::FrmCharSet* set = forms.charSet.Get();
    const QString unifont = QStringLiteral("/usr/share/fonts/X11/misc/unifont.pcf.gz");
    if (!QFile::exists(unifont) || !set->OpenFile(unifont)) {
        return false;
    }
    set->GoTo->setText(QStringLiteral("U+0416"));
    QTest::keyClick(set->GoTo, Qt::Key_Return);
    set->DotColour->setCurrentIndex(2);
    set->PreviewText->setText(QStringLiteral("Привет, мир! \U0001F600"));
    bool ok = SaveWithMenu(forms.main.Get(), nullptr, folder,
                           QStringLiteral("character-set-unifont.png"), set->frameGeometry());
    zrl::ExportDialog dialog(set->Set(), forms.clipboard, set);
    dialog.Layout->setCurrentIndex(
        dialog.Layout->findText(QStringLiteral("pages"), Qt::MatchStartsWith));
    dialog.Characters->setText(QStringLiteral("32-126,$410-$44F"));
    dialog.Sparse->setChecked(true);
    dialog.show();
    ok &= Save(&dialog, folder, QStringLiteral("export-sparse.png"));
    return ok;
}

// The Import Font dialog with DejaVu Sans at 12 pixels, then the set it makes beside the
// editor, its preview writing in it.
bool SaveOutlineFont(zrl::Forms& forms, const QDir& folder) {
    zrl::FrmCharSet* set = forms.charSet.Get();
    zrl::ImportFontDialog dialog(set);
    if (!dialog.UseFile(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"))) {
        return false;
    }
    dialog.Sample->setText(QStringLiteral("Hello, 12 px world! (jgpq)"));
    dialog.show();
    bool ok = Save(&dialog, folder, QStringLiteral("import-font.png"));
    dialog.hide();
    ok &= dialog.Set() && set->ImportOutlineSet(*dialog.Set(), dialog.SetName());
    set->MakeCurrent('g');
    set->PreviewText->setText(QStringLiteral("Hello, 12 px world! (jgpq)"));
    ok &= SaveWithMenu(forms.main.Get(), nullptr, folder,
                       QStringLiteral("character-set-dejavu.png"), set->frameGeometry());
    return ok;
}

// DejaVu Sans at 40 px, its W on the canvas beside the set window.
bool SaveLargeOutlineFont(zrl::Forms& forms, const QDir& folder) {
    zrl::FrmCharSet* set = forms.charSet.Get();
    zrl::ImportFontDialog dialog(set);
    if (!dialog.UseFile(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"))) {
        return false;
    }
    dialog.Pixels->setValue(40);
    // The 12 px set before it is unsaved: its changes are let go.
    QTimer::singleShot(300, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QMessageBox::DestructiveRole) {
                    button->click();
                }
            }
        }
    });
    bool ok = dialog.Set() && set->ImportOutlineSet(*dialog.Set(), dialog.SetName());
    set->MakeCurrent('W');
    set->PreviewText->setText(QStringLiteral("Wave 40 px"));
    ok &= SaveWithMenu(forms.main.Get(), nullptr, folder,
                       QStringLiteral("character-set-dejavu-40.png"), set->frameGeometry());
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zrl::SetUpApplication(app);
    QApplication::setWindowIcon(zrl::ProgramIcon());
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));

    zrl::QtClipboard clipboard;
    zrl::Forms forms(clipboard);
    zrl::FrmMain* editor = forms.main.Start();
    bool ok = Save(forms.splash.Get(), folder, QStringLiteral("splash.png"));

    QTest::keyClick(forms.splash.Get(), Qt::Key_Space);
    ok &= Save(editor, folder, QStringLiteral("main-fresh.png"));

    // The letter A.
    for (int cell : {1, 2, 3, 5, 9, 10, 14, 15, 16, 17, 18, 19, 20, 24, 25, 29, 30, 34}) {
        QTest::mouseClick(editor->Cmd[static_cast<std::size_t>(cell)], Qt::LeftButton);
    }
    ok &= Save(editor, folder, QStringLiteral("main-letter.png"));

    QWidget* cell = editor->Cmd[12];
    const QPoint at = cell->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, cell->mapToGlobal(at));
    QApplication::sendEvent(cell, &rightClick);
    ok &= SaveWithMenu(editor, editor->Actions().menu, folder, QStringLiteral("field-menu.png"));
    editor->Actions().menu->hide();

    QTest::mouseClick(editor->CmdHelp, Qt::LeftButton);
    ok &= Save(forms.about.Get(), folder, QStringLiteral("about.png"));
    forms.about.Unload();
    ok &= SaveEightByEight(editor, folder);
    ok &= SaveLargeField(editor, folder);
    ok &= SaveCharacterSet(forms, folder);
    ok &= SaveLargerSet(forms, folder);
    ok &= SaveProportional(forms, folder);
    ok &= SaveUnicode(forms, folder);
    ok &= SaveOutlineFont(forms, folder);
    ok &= SaveLargeOutlineFont(forms, folder);
    return ok ? 0 : 1;
}
