#include "recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>
#include <optional>

#include "core/formats/bdf_font.h"
#include "platform/font_file.h"
#include "set_document.h"

namespace zrl {

namespace {

const QString kCopy = QStringLiteral(".bdf");
const QString kPath = QStringLiteral(".path");
const QString kLock = QStringLiteral(".lock");

QString BaseOf(const QString& copy) {
    return copy.chopped(kCopy.size());
}

// A file however its path was written: relative, absolute or through a link.
QString FullPath(const QString& path) {
    if (path.isEmpty()) {
        return path;
    }
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

}  // namespace

Recovery::Recovery(SetDocument& document, QObject* parent)
    : QObject(parent),
      document_(document),
      base_(Folder() + u'/' + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &Recovery::Write);
    connect(&document, &SetDocument::PatternChanged, this, &Recovery::Changed);
    connect(&document, &SetDocument::CharactersChanged, this, &Recovery::Changed);
    connect(&document, &SetDocument::WidthsChanged, this, &Recovery::Changed);
    connect(&document, &SetDocument::Replaced, this, &Recovery::Changed);
    connect(&document, &SetDocument::FileChanged, this, &Recovery::Schedule);
    connect(&document, &SetDocument::ModifiedChanged, this,
            [this](bool modified) { modified ? Schedule() : Remove(); });
}

// A clean end, or a close that discards: nothing is left to recover.
Recovery::~Recovery() {
    Remove();
}

bool Recovery::SameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && FullPath(a) == FullPath(b);
}

QString Recovery::Folder() {
    const QString chosen = qEnvironmentVariable("ZERLIN_RECOVERY_DIR");
    return !chosen.isEmpty() ? chosen
                             : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                   QStringLiteral("/recovery");
}

// The first change starts the clock; later ones ride on it, so a copy is never more than
// two seconds behind.
void Recovery::Schedule() {
    if (!off_ && document_.IsModified() && !timer_.isActive()) {
        timer_.start();
    }
}

// Taken on every click in the field: the clock's count alone, made a date only when written.
void Recovery::Changed() {
    changed_ = QDateTime::currentMSecsSinceEpoch();
    Schedule();
}

void Recovery::TurnOff(const QString& why) {
    off_ = true;
    timer_.stop();
    emit Off(why);
}

void Recovery::Write() {
    if (!document_.IsModified()) {
        Remove();
        return;
    }
    const QString folder = Folder();
    if (!QDir().mkpath(folder)) {
        TurnOff(QStringLiteral("Recovery is off: %1 cannot be written").arg(folder));
        return;
    }
    if (lock_ == nullptr && !LockOwn()) {
        TurnOff(QStringLiteral("Recovery is off: %1 cannot be locked").arg(folder));
        return;
    }
    const QString error = SaveBytes(base_ + kCopy, WriteBdf(document_.Set()));
    const QByteArray path = FullPath(document_.FilePath()).toUtf8();
    const QString pathError =
        error.isEmpty() ? SaveBytes(base_ + kPath, std::string_view(path.data(), path.size()))
                        : error;
    if (!pathError.isEmpty()) {
        TurnOff(QStringLiteral("Recovery is off: %1").arg(pathError));
        return;
    }
    // The path file's time is the work's: when it last changed, which the copy's own (when
    // it was last written) is not once a later run has taken it over.
    if (QFile path(base_ + kPath); changed_ > 0 && path.open(QIODevice::Append)) {
        path.setFileTime(QDateTime::fromMSecsSinceEpoch(changed_),
                         QFileDevice::FileModificationTime);
    }
}

void Recovery::Remove() {
    timer_.stop();
    if (lock_ == nullptr) {
        return;  // no copy was written
    }
    QFile::remove(base_ + kCopy);
    QFile::remove(base_ + kPath);
    lock_.reset();  // unlocks and removes the lock file
}

bool Recovery::LockOwn() {
    auto lock = std::make_shared<QLockFile>(base_ + kLock);
    if (!lock->tryLock(0)) {
        return false;
    }
    lock_ = std::move(lock);
    return true;
}

std::vector<Recovery::Left> Recovery::FindAllLeft() {
    const QDir folder(Folder());
    if (!folder.exists()) {
        return {};
    }
    std::vector<Left> found;
    const QFileInfoList copies =
        folder.entryInfoList({QStringLiteral("*") + kCopy}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString base = BaseOf(copy.filePath());
        auto lock = std::make_shared<QLockFile>(base + kLock);
        if (!lock->tryLock(0)) {
            continue;  // its program is running
        }
        QFile path(base + kPath);
        const QString original =
            path.open(QIODevice::ReadOnly) ? QString::fromUtf8(path.readAll()) : QString();
        const QDateTime changed = QFileInfo(path).lastModified();
        Left left{copy.filePath(),
                  original,
                  changed.isValid() ? std::min(changed, copy.lastModified()) : copy.lastModified(),
                  std::move(lock),
                  {}};
        // Copies of one file are one set; copies of new sets are each their own.
        const auto newer = std::find_if(found.begin(), found.end(), [&original](const Left& l) {
            return SameFile(l.originalPath, original);
        });
        if (newer != found.end()) {
            newer->older.push_back(std::move(left));
        } else {
            found.push_back(std::move(left));
        }
    }
    return found;
}

std::optional<Recovery::Left> Recovery::FindLeft() {
    std::vector<Left> all = FindAllLeft();
    return all.empty() ? std::nullopt : std::optional(std::move(all.front()));
}

void Recovery::Forget(const Left& left) {
    const QString base = BaseOf(left.copy);
    QFile::remove(left.copy);
    QFile::remove(base + kPath);
    if (left.lock != nullptr) {
        left.lock->unlock();
    }
    for (const Left& older : left.older) {
        Forget(older);
    }
}

// The copy moves under this object's own name, so that a run that takes it over and dies
// leaves it as the one copy there was; where it cannot move, it is kept where it is.
void Recovery::TakeOver(const Left& left) {
    Remove();
    changed_ = left.made.toMSecsSinceEpoch();
    const QString base = BaseOf(left.copy);
    if (LockOwn()) {
        QFile::remove(base_ + kCopy);
        QFile::remove(base_ + kPath);
        if (QFile::rename(left.copy, base_ + kCopy)) {
            QFile::rename(base + kPath, base_ + kPath);
            left.lock->unlock();
            return;
        }
        lock_.reset();
    }
    base_ = base;
    lock_ = left.lock;
}

}  // namespace zrl
