#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <optional>

#include "core/model/character_set.h"

class QUndoStack;

namespace zrl {

// An open character set as the program holds it: the set, the file it came from, whether
// it has changes not yet saved (until undo takes it back to what was saved), and each
// character's own history of edits. The Character
// Set window presents it; every change goes through here and is announced, so the chart,
// the preview and the title follow.
class SetDocument : public QObject {
    Q_OBJECT

public:
    explicit SetDocument(QObject* parent = nullptr);

    const CharacterSet& Set() const { return set_; }
    // The file the set was opened from or saved to; empty for a new set.
    const QString& FilePath() const { return path_; }
    bool IsModified() const { return modified_; }

    // A new or opened set: no changes yet, no history, neither the set's nor any
    // character's.
    void Replace(CharacterSet set, const QString& path);
    // Which set the document holds: a new one for every Replace, so that a step made on one
    // set is never applied to another.
    quint64 Generation() const { return generation_; }
    // The set is now what the file holds.
    void MarkSaved(const QString& path);
    // The set holds changes that no file has, as one brought back from a copy does: undo
    // cannot take it back to what its file holds.
    void MarkUnsaved();

    // Changes of the set, each marking it modified.
    void SetPattern(int code, const Pattern& pattern);
    void Put(int code, SetCharacter character);
    void Remove(int code);
    // Each character at its code, or the code's character removed for none.
    void PutCharacters(const std::map<int, std::optional<SetCharacter>>& characters);
    // Each character's width, as the map gives it.
    void SetWidths(const std::map<int, int>& widths);
    // The whole set at once, as a step of the set's history puts it back: the characters'
    // own histories go, as their steps may be of another size.
    void PutSet(const CharacterSet& set);

    // The set's own history: its steps (imports, Fit Widths, cell sizes) and the field's
    // changes while no character is current.
    QUndoStack* SetHistory() const { return setHistory_; }
    // The character's own history, made on first use with room for `steps`.
    QUndoStack* HistoryOf(int code, int steps);
    void DropHistory(int code);
    void DropHistories();

signals:
    // The whole set was replaced: lay everything out afresh.
    void Replaced();
    // One character's dots changed; its code still has a character.
    void PatternChanged(int code);
    // Characters came or went.
    void CharactersChanged();
    // Characters' widths changed.
    void WidthsChanged();
    void ModifiedChanged(bool modified);
    void FileChanged(const QString& path);
    // Histories are about to go: nothing may edit into them any more.
    void HistoriesDropping();

private:
    void SetModified(bool modified);
    // A history that comes back to where it was at the last save: the set may be what its
    // file holds again.
    void Watch(QUndoStack* history);
    void CheckSaved();

    CharacterSet set_;
    QString path_;
    bool modified_ = false;
    std::optional<std::uint64_t> saved_;  // the digest of what the file holds, where known
    quint64 generation_ = 0;
    QUndoStack* setHistory_;
    std::map<int, QUndoStack*> histories_;
};

}  // namespace zrl
