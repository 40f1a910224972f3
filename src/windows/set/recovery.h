#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace zrl {

class SetDocument;

// A copy of an open set with unsaved changes, kept where the next run finds it should this
// one end without saving: BDF in the user's data location, written at most two seconds after
// a change, never on the path of an edit. A save, a close that discards and a clean end
// remove it. Each running program holds a lock beside its copy, so that no other program
// takes a copy whose owner is still running; the lock of a program that died is taken over.
class Recovery : public QObject {
    Q_OBJECT

public:
    static constexpr int kDelayMs = 2000;

    explicit Recovery(SetDocument& document, QObject* parent = nullptr);
    ~Recovery() override;

    // Where copies are kept: the user's data location, or ZERLIN_RECOVERY_DIR where set.
    static QString Folder();
    // Whether two paths name one file, however each is written: relative, absolute or
    // through a link.
    static bool SameFile(const QString& a, const QString& b);
    // Removes this run's copy: the set was saved or thrown away.
    void Remove();

    // A copy left by a run that ended without saving, held for this program until it is
    // forgotten or this object goes.
    struct Left {
        QString copy;          // the BDF copy
        QString originalPath;  // the set's own file, or empty
        QDateTime made;
        std::shared_ptr<QLockFile> lock;
        std::vector<Left> older;  // copies of the same set that runs left before this one
    };
    // The copies no running program holds, newest first, one for each set: a set's older
    // copies come with its newest. Reads, and writes nothing where no copy is.
    static std::vector<Left> FindAllLeft();
    // The newest of them, if there is one.
    static std::optional<Left> FindLeft();
    // Deletes the copy, its older ones and what belongs to them.
    static void Forget(const Left& left);
    // From now on the set's copy is this one: it is kept, locked and written by this object
    // as its own, and removed as its own is. Any copy this object had goes first, as the set
    // it was of is being replaced. The older copies stay until they are forgotten.
    void TakeOver(const Left& left);

signals:
    // Copies cannot be written: one line why.
    void Off(const QString& why);

private:
    // The set changed: its copy is due, and it is of now.
    void Changed();
    void Schedule();
    void Write();
    void TurnOff(const QString& why);
    bool LockOwn();

    SetDocument& document_;
    QTimer timer_;
    QString base_;  // the copy's path without its extension
    std::shared_ptr<QLockFile> lock_;
    bool off_ = false;
    qint64 changed_ = 0;  // when the set last changed, in ms since 1970; 0: not yet
};

}  // namespace zrl
