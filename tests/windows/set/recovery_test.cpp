#include "windows/set/recovery.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "core/formats/bdf_font.h"
#include "platform/colour_button.h"
#include "platform/font_file.h"
#include "windows/set/character_set_window.h"
#include "windows/set/set_document.h"
#include "windows/window_fixture.h"

namespace zrl::testing {
namespace {

// Copies go to a folder of each test's own, as tests run side by side.
class RecoveryTest : public WindowTest {
protected:
    RecoveryTest() {
        qputenv("ZERLIN_RECOVERY_DIR", data_.filePath(QStringLiteral("recovery")).toUtf8());
    }
    ~RecoveryTest() override {
        forms.charSet.Unload();
        qunsetenv("ZERLIN_RECOVERY_DIR");
    }

    static QStringList Copies() {
        return QDir(Recovery::Folder()).entryList({QStringLiteral("*.bdf")}, QDir::Files);
    }
    // A set with "A" edited, as a user leaves it unsaved.
    FrmCharSet* EditedSet() {
        FrmCharSet* set = forms.charSet.Get();
        set->MakeCurrent(65);
        QTest::mouseClick(editor->Cmd[12], Qt::LeftButton);
        return set;
    }
    // A copy as a run that was killed leaves it: the set, its file's name, and no running
    // program behind its lock.
    static void LeaveCopy(const CharacterSet& set, const QString& original,
                          const QString& name = QStringLiteral("killed-run")) {
        QDir().mkpath(Recovery::Folder());
        const QString base = Recovery::Folder() + u'/' + name;
        ASSERT_EQ(SaveBytes(base + QStringLiteral(".bdf"), WriteBdf(set)), QString());
        ASSERT_EQ(SaveBytes(base + QStringLiteral(".path"), original.toStdString()), QString());
    }

    QTemporaryDir data_;
    FrmMain* editor = OpenEditor();
};

TEST_F(RecoveryTest, AnUnsavedSetIsCopiedSoonAndEveryWayOfEndingItCleanlyRemovesTheCopy) {
    FrmCharSet* set = EditedSet();
    EXPECT_TRUE(Copies().isEmpty()) << "nothing is written on the path of an edit";
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 1, 5000);
    EXPECT_FALSE(Recovery::FindLeft()) << "a running program's copy is its own";

    QTemporaryDir dir;
    ASSERT_TRUE(set->SaveTo(dir.filePath(QStringLiteral("saved.bdf"))));
    EXPECT_TRUE(Copies().isEmpty()) << "a save";

    QTest::mouseClick(editor->Cmd[13], Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 1, 5000);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Discard)->click();
    });
    set->close();
    EXPECT_TRUE(Copies().isEmpty()) << "a close that discards";
}

TEST_F(RecoveryTest, ACopyLeftByARunThatDiedIsOfferedAndRestoredOrDiscarded) {
    CharacterSet left = CharacterSet::Blank(32, 126);
    left.SetPattern(65, Pattern(0b1011, kDefaultSize));
    LeaveCopy(left, QStringLiteral("/home/someone/Zeichensätze/Ä Ø 字.bdf"));

    FrmCharSet* set = forms.charSet.Get();
    ASSERT_TRUE(set->OfferRecovery());
    EXPECT_EQ(set->Set(), left);
    EXPECT_TRUE(set->isWindowModified());
    EXPECT_EQ(set->windowTitle(), QStringLiteral("Ä Ø 字.bdf[*] - Character Set"));
    EXPECT_TRUE(set->RecoveryBar->isVisible());
    EXPECT_EQ(Copies().size(), 1) << "nothing is deleted before the user chooses";
    QTest::mouseClick(set->Restore, Qt::LeftButton);
    EXPECT_FALSE(set->RecoveryBar->isVisible());
    EXPECT_EQ(set->Set(), left);
    EXPECT_TRUE(set->isWindowModified()) << "restored, not saved";
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 1, 5000);  // this run's own copy now
    EXPECT_FALSE(Recovery::FindLeft());

    LeaveCopy(left, {});
    FrmCharSet* other = forms.charSet.Get();
    set->SetVisible(false);
    ASSERT_TRUE(other->OfferRecovery());
    EXPECT_EQ(other->windowTitle(), QStringLiteral("Untitled[*] - Character Set"));
    QTest::mouseClick(other->Discard, Qt::LeftButton);
    EXPECT_FALSE(other->isWindowModified());
    EXPECT_FALSE(other->isVisible());
    EXPECT_TRUE(Copies().isEmpty()) << "discarded, and nothing unsaved is left to copy";
}

// A copy taken over and written again by the next run keeps the time the work last changed.
TEST_F(RecoveryTest, ACopyTakenOverKeepsTheTimeOfTheLastChange) {
    LeaveCopy(CharacterSet::Blank(32, 126), QStringLiteral("/tmp/../tmp/lost.bdf"));
    const QDateTime changed(QDate(2026, 1, 2), QTime(3, 4));
    for (const char* left : {"/killed-run.bdf", "/killed-run.path"}) {
        QFile file(Recovery::Folder() + QLatin1String(left));
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
    }
    FrmCharSet* set = forms.charSet.Get();
    ASSERT_TRUE(set->OfferRecovery());
    EXPECT_TRUE(
        set->RecoveryText->text().contains(QLocale().toString(changed, QLocale::ShortFormat)));
    // Written again once this run's copy is due: its path is then written as a full one.
    const QByteArray full =
        QFileInfo(QStringLiteral("/tmp/../tmp/lost.bdf")).absoluteFilePath().toUtf8();
    const auto written = [&full] {
        const QStringList paths =
            QDir(Recovery::Folder()).entryList({QStringLiteral("*.path")}, QDir::Files);
        QFile path(Recovery::Folder() + u'/' + paths.value(0));
        return paths.size() == 1 && path.open(QIODevice::ReadOnly) && path.readAll() == full;
    };
    QTRY_VERIFY_WITH_TIMEOUT(written(), 5000);
    // What the next run offers the copy with, were this one to die now.
    const QStringList paths =
        QDir(Recovery::Folder()).entryList({QStringLiteral("*.path")}, QDir::Files);
    EXPECT_EQ(QFileInfo(Recovery::Folder() + u'/' + paths.value(0)).lastModified(), changed);
}

// Copies piled up by runs that died one after the other are one set, offered once; another
// set's copy is offered after it, and nothing is offered again once discarded.
TEST_F(RecoveryTest, EachSetIsOfferedOnceAndDiscardLeavesNoCopy) {
    CharacterSet older = CharacterSet::Blank(0, 7);
    CharacterSet newer = older;
    newer.SetPattern(1, Pattern(1, kDefaultSize));
    const QString file = QStringLiteral("/home/someone/sign.bdf");
    LeaveCopy(CharacterSet::Blank(32, 126), {}, QStringLiteral("untitled"));
    LeaveCopy(older, file, QStringLiteral("older"));
    LeaveCopy(newer, file, QStringLiteral("newer"));
    QFile copy(Recovery::Folder() + QStringLiteral("/older.bdf"));
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    copy.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                     QFileDevice::FileModificationTime);
    copy.close();  // an open file cannot be removed on Windows

    FrmCharSet* set = forms.charSet.Get();
    ASSERT_TRUE(set->OfferRecovery());
    EXPECT_EQ(set->Set(), newer) << "the newest copy of a set";
    QTest::mouseClick(set->Discard, Qt::LeftButton);
    EXPECT_EQ(set->Set(), CharacterSet::Blank(32, 126)) << "then the other set's";
    EXPECT_EQ(Copies().size(), 1);
    QTest::mouseClick(set->Discard, Qt::LeftButton);
    EXPECT_FALSE(set->isVisible());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_FALSE(Recovery::FindLeft());
}

// Every change to a set reaches its copy: a character's width too.
TEST_F(RecoveryTest, AWidthChangeReachesTheCopy) {
    FrmCharSet* set = EditedSet();
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 1, 5000);
    const int narrower = set->Set().Find(65)->width - 1;
    QTest::keyClick(set->Width, Qt::Key_Down);
    ASSERT_EQ(set->Set().Find(65)->width, narrower);
    const QString copy = Recovery::Folder() + u'/' + Copies().front();
    QTRY_VERIFY_WITH_TIMEOUT(
        LoadFontFile(copy).font && LoadFontFile(copy).font->set.Find(65)->width == narrower, 5000);
}

// A copy is its file's however the file is named when it opens: relative, absolute or through
// a link; and the copies of other sets are offered after it.
TEST_F(RecoveryTest, AFileOpenedByAnyPathOffersItsCopyAndTheOthersAfterIt) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("sets")));
    const QString file = dir.filePath(QStringLiteral("sets/again.bdf"));
    ASSERT_EQ(SaveFontFile(file, CharacterSet::Blank(0, 7)), QString());
#ifdef Q_OS_WIN
    // A link made here is a shortcut file, not a second name for the file.
    const QString opened = QStringLiteral("sets/again.bdf");
#else
    const QString opened = QStringLiteral("link.bdf");
    ASSERT_TRUE(QFile::link(file, dir.filePath(opened)));
#endif
    CharacterSet edited = CharacterSet::Blank(0, 7);
    edited.SetPattern(1, Pattern(0b101, kDefaultSize));
    LeaveCopy(edited, QFileInfo(file).canonicalFilePath(), QStringLiteral("again"));
    LeaveCopy(CharacterSet::Blank(32, 126), {}, QStringLiteral("other"));

    const QString here = QDir::currentPath();
    QDir::setCurrent(dir.path());
    FrmCharSet* set = forms.charSet.Get();
    EXPECT_TRUE(set->OpenFile(opened));
    QDir::setCurrent(here);
    set->OfferOtherCopies();
    EXPECT_EQ(set->Set().Characters(), edited.Characters()) << "the file's own copy first";
    QTest::mouseClick(set->Discard, Qt::LeftButton);
    EXPECT_EQ(set->Set().Characters(), CharacterSet::Blank(0, 7).Characters())
        << "Discard shows the file as it is";
    EXPECT_TRUE(set->RecoveryBar->isVisible()) << "and offers the other set's copy next";
    EXPECT_EQ(set->RecoveryText->text(),
              QStringLiteral("One more set was not saved when Zerlin last ended."));
    QTest::mouseClick(qobject_cast<RecoveryOffer*>(set->RecoveryBar)->Next, Qt::LeftButton);
    EXPECT_EQ(set->Set().Characters(), CharacterSet::Blank(32, 126).Characters());
    QTest::mouseClick(set->Discard, Qt::LeftButton);
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(RecoveryTest, TwoProgramsKeepTheirOwnCopies) {
    SetDocument first;
    SetDocument second;
    Recovery firstCopy(first);
    Recovery secondCopy(second);
    first.Replace(CharacterSet::Blank(0, 7), {});
    second.Replace(CharacterSet::Blank(32, 126), {});
    first.SetPattern(1, Pattern(1, kDefaultSize));
    second.SetPattern(33, Pattern(2, kDefaultSize));
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 2, 5000);
    EXPECT_FALSE(Recovery::FindLeft()) << "neither is taken while its program runs";
}

TEST_F(RecoveryTest, WhereNoCopyCanBeWrittenEditingGoesOnAndTheWindowSaysSo) {
    QDir().mkpath(QFileInfo(Recovery::Folder()).path());
    QFile blocker(Recovery::Folder());  // a file where the folder would be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FrmCharSet* set = EditedSet();
    QTRY_VERIFY_WITH_TIMEOUT(set->Status->text().startsWith(QStringLiteral("Recovery is off")),
                             5000);
    QTest::mouseClick(editor->Cmd[13], Qt::LeftButton);
    EXPECT_TRUE(set->Set().Find(65)->pattern.Lit(2, 3)) << "the edits go on";
}

}  // namespace
}  // namespace zrl::testing
