#include "platform/font_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/formats/bdf_font.h"
#include "support/pattern_rows.h"

namespace zrl {
namespace {

const QString kX11Font = QStringLiteral("/usr/share/fonts/X11/misc/5x7.pcf.gz");

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

bool CanCreateIn(const QString& folder) {
    QFile probe(folder + QStringLiteral("/probe"));
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

// Read-only for the owner, and for root too where the file system can say so.
bool MakeReadOnly(const QString& folder, bool readOnly) {
    QFile::setPermissions(folder, readOnly
                                      ? QFile::ReadOwner | QFile::ExeOwner
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (readOnly && CanCreateIn(folder) && !QStandardPaths::findExecutable("chattr").isEmpty()) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder});
    } else if (!readOnly && !QStandardPaths::findExecutable("chattr").isEmpty()) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    }
    return CanCreateIn(folder) != readOnly;
}

TEST(FontFile, X11s5x7FontOpensAsPcfAndSurvivesASaveAndAReopen) {
    if (!QFile::exists(kX11Font)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    const LoadedFont x11 = LoadFontFile(kX11Font);
    ASSERT_TRUE(x11.font) << x11.error.toStdString();
    const CharacterSet& set = x11.font->set;
    EXPECT_EQ(set.Size(), 1848);
    EXPECT_NE(set.Find(0), nullptr);
    EXPECT_EQ(set.Find(65)->pattern,
              FromRows({".##..", "#..#.", "#..#.", "####.", "#..#.", "#..#.", "....."}));
    EXPECT_EQ(set.Find(103)->pattern,
              FromRows({".....", ".....", ".###.", "#..#.", ".##..", "#....", ".###."}))
        << "g reaches below the baseline";
    EXPECT_EQ(x11.font->LeftOut(), 0);
    EXPECT_EQ(DescribeLeftOut(*x11.font), "");

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("5x7.bdf"));
    ASSERT_EQ(SaveFontFile(saved, set), QString());
    const LoadedFont back = LoadFontFile(saved);
    ASSERT_TRUE(back.font) << back.error.toStdString();
    EXPECT_EQ(back.font->set, set);

    if (!QStandardPaths::findExecutable("bdftopcf").isEmpty()) {
        QProcess bdftopcf;
        bdftopcf.start(QStringLiteral("bdftopcf"),
                       {QStringLiteral("-o"), dir.filePath(QStringLiteral("5x7.pcf")), saved});
        ASSERT_TRUE(bdftopcf.waitForFinished());
        EXPECT_EQ(bdftopcf.exitCode(), 0);
        EXPECT_EQ(bdftopcf.readAllStandardError(), QByteArray()) << "no warning";
        const LoadedFont compiled = LoadFontFile(dir.filePath(QStringLiteral("5x7.pcf")));
        ASSERT_TRUE(compiled.font) << compiled.error.toStdString();
        EXPECT_EQ(compiled.font->set.Characters().at(65).pattern, set.Find(65)->pattern);
    }
}

// The text written a part at a time, holding no set, or the error it gives.
QString TextOf(const QString& path) {
    std::string text;
    const std::optional<QString> error =
        WriteFontFileText(path, [&text](std::string_view part) { text += part; });
    return !error             ? QStringLiteral("(no font)")
           : error->isEmpty() ? QString::fromStdString(text)
                              : *error;
}

QString SetTextOf(const QString& path) {
    const LoadedFont loaded = LoadFontFile(path);
    return loaded.font ? QString::fromStdString(WriteBdf(loaded.font->set)) : loaded.error;
}

TEST(FontFile, AFontWrittenWholeWithNoSetIsWhatItsSetWritesBack) {
    QTemporaryDir dir;
    for (const char* name : {"5x7", "6x13", "10x20", "unifont_sample", "ter-u12b_iso-8859-1"}) {
        const QString pcf = QStringLiteral("/usr/share/fonts/X11/misc/%1.pcf.gz").arg(name);
        if (!QFile::exists(pcf)) {
            continue;
        }
        const QString text = TextOf(pcf);
        EXPECT_TRUE(text == SetTextOf(pcf)) << name;
        const QString bdf = Write(dir, QStringLiteral("%1.bdf").arg(name), text.toUtf8());
        EXPECT_TRUE(TextOf(bdf) == text) << name << " read back";
    }
    EXPECT_EQ(TextOf(Write(dir, "bad.pcf", "\1fcp and nothing more")),
              QStringLiteral("not a readable PCF font"));
    const QString bad = Write(dir, "bad.bdf", "STARTFONT 2.1\nCHARS 1\n");
    EXPECT_EQ(TextOf(bad).toStdString(), SetTextOf(bad).toStdString());
    EXPECT_EQ(TextOf(Write(dir, "cut.gz", QByteArray::fromHex("1f8b0800000000000003"))),
              QStringLiteral("the gzip file is damaged or cut short"));
    EXPECT_EQ(TextOf(Write(dir, "table.h", "0x7E, 0x11")), QStringLiteral("(no font)"));
}

TEST(FontFile, WhatIsNoFontIsRefusedInOneLine) {
    QTemporaryDir dir;
    EXPECT_EQ(LoadFontFile(Write(dir, "junk.bdf", "\x89PNG\r\n\x1a\n")).error,
              QStringLiteral("not a BDF or PCF font"));
    EXPECT_EQ(LoadFontFile(Write(dir, "bad.pcf", "\1fcp and nothing more")).error,
              QStringLiteral("not a readable PCF font"));
    EXPECT_EQ(LoadFontFile(Write(dir, "cut.gz", QByteArray::fromHex("1f8b0800000000000003"))).error,
              QStringLiteral("the gzip file is damaged or cut short"));
    const LoadedFont missing = LoadFontFile(dir.filePath(QStringLiteral("missing.bdf")));
    EXPECT_FALSE(missing.font);
    EXPECT_FALSE(missing.error.isEmpty()) << "the system's own words";

    QFile huge(dir.filePath(QStringLiteral("huge.bdf")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(static_cast<qint64>(kMaxFontFile) + 1));
    huge.close();
    EXPECT_EQ(LoadFontFile(huge.fileName()).error,
              QStringLiteral(
                  "the file is larger than 16 MB; no bitmap font of up to 32x32 is that large"));
}

TEST(FontFile, ASaveThatFailsLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("fonts"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/set.bdf");
    const CharacterSet old = CharacterSet::Blank(0, 7);
    ASSERT_EQ(SaveFontFile(path, old), QString());
    const bool readOnly = MakeReadOnly(folder, true);
    const QString error = SaveFontFile(path, CharacterSet::Blank(32, 126));
    MakeReadOnly(folder, false);
    if (!readOnly) {
        GTEST_SKIP() << "this file system lets the folder be written whatever its permissions";
    }
    EXPECT_FALSE(error.isEmpty());
    const LoadedFont back = LoadFontFile(path);
    ASSERT_TRUE(back.font);
    EXPECT_EQ(back.font->set, old);
}

}  // namespace
}  // namespace zrl
