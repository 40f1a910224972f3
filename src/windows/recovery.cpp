#include "recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <optional>

#include "core/bdf_font.h"
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

}  // namespace

Recovery::Recovery(SetDocument& document, QObject* parent)
    : QObject(parent),
      document_(document),
      base_(Folder() + u'/' + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &Recovery::Write);
    connect(&document, &SetDocument::PatternChanged, this, &Recovery::Schedule);
    connect(&document, &SetDocument::CharactersChanged, this, &Recovery::Schedule);
    connect(&document, &SetDocument::Replaced, this, &Recovery::Schedule);
    connect(&document, &SetDocument::FileChanged, this, &Recovery::Schedule);
    connect(&document, &SetDocument::ModifiedChanged, this,
            [this](bool modified) { modified ? Schedule() : Remove(); });
}

// A clean end, or a close that discards: nothing is left to recover.
Recovery::~Recovery() {
    Remove();
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
    if (lock_ == nullptr) {
        lock_ = std::make_unique<QLockFile>(base_ + kLock);
        if (!lock_->tryLock(0)) {
            lock_.reset();
            TurnOff(QStringLiteral("Recovery is off: %1 cannot be locked").arg(folder));
            return;
        }
    }
    const QString error = SaveBytes(base_ + kCopy, WriteBdf(document_.Set()));
    const QByteArray path = document_.FilePath().toUtf8();
    const QString pathError =
        error.isEmpty() ? SaveBytes(base_ + kPath, std::string_view(path.data(), path.size()))
                        : error;
    if (!pathError.isEmpty()) {
        TurnOff(QStringLiteral("Recovery is off: %1").arg(pathError));
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

std::optional<Recovery::Left> Recovery::FindLeft() {
    const QDir folder(Folder());
    if (!folder.exists()) {
        return std::nullopt;
    }
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
        return Left{copy.filePath(), original, copy.lastModified(), std::move(lock)};
    }
    return std::nullopt;
}

void Recovery::Forget(const Left& left) {
    const QString base = BaseOf(left.copy);
    QFile::remove(left.copy);
    QFile::remove(base + kPath);
    if (left.lock != nullptr) {
        left.lock->unlock();
    }
}

}  // namespace zrl
