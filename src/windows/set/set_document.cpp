#include "set_document.h"

#include <QUndoStack>

namespace zrl {

namespace {

// As many steps as the field's own history keeps.
constexpr int kSetSteps = 1000;

}  // namespace

SetDocument::SetDocument(QObject* parent) : QObject(parent), setHistory_(new QUndoStack(this)) {
    setHistory_->setUndoLimit(kSetSteps);
    Watch(setHistory_);
}

void SetDocument::Watch(QUndoStack* history) {
    connect(history, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean) {
            CheckSaved();
        }
    });
}

// Only the set itself can tell: a change may have come by another history, or by none.
void SetDocument::CheckSaved() {
    if (modified_ && saved_ && *saved_ == set_.Digest()) {
        SetModified(false);
    }
}

void SetDocument::SetModified(bool modified) {
    if (modified != modified_) {
        modified_ = modified;
        emit ModifiedChanged(modified_);
    }
}

void SetDocument::Replace(CharacterSet set, const QString& path) {
    DropHistories();
    setHistory_->clear();
    ++generation_;
    set_ = std::move(set);
    emit Replaced();
    MarkSaved(path);
}

void SetDocument::MarkSaved(const QString& path) {
    path_ = path;
    saved_ = set_.Digest();
    setHistory_->setClean();
    for (auto& [code, history] : histories_) {
        history->setClean();
    }
    emit FileChanged(path_);
    SetModified(false);
}

void SetDocument::MarkUnsaved() {
    saved_.reset();
    SetModified(true);
}

void SetDocument::SetPattern(int code, const Pattern& pattern) {
    const SetCharacter* character = set_.Find(code);
    if (character == nullptr || character->pattern == pattern) {
        return;
    }
    set_.SetPattern(code, pattern);
    SetModified(true);
    emit PatternChanged(code);
}

void SetDocument::Put(int code, SetCharacter character) {
    set_.Put(code, std::move(character));
    SetModified(true);
    emit CharactersChanged();
}

void SetDocument::Remove(int code) {
    DropHistory(code);
    set_.Remove(code);
    SetModified(true);
    emit CharactersChanged();
}

void SetDocument::PutCharacters(const std::map<int, std::optional<SetCharacter>>& characters) {
    for (const auto& [code, character] : characters) {
        if (character) {
            set_.Put(code, *character);
        } else {
            set_.Remove(code);
        }
    }
    SetModified(true);
    emit CharactersChanged();
}

void SetDocument::SetWidths(const std::map<int, int>& widths) {
    for (const auto& [code, width] : widths) {
        set_.SetWidth(code, width);
    }
    SetModified(true);
    emit WidthsChanged();
}

void SetDocument::PutSet(const CharacterSet& set) {
    DropHistories();
    set_ = set;
    emit Replaced();
    SetModified(true);
}

QUndoStack* SetDocument::HistoryOf(int code, int steps) {
    QUndoStack*& history = histories_[code];
    if (history == nullptr) {
        history = new QUndoStack(this);
        history->setUndoLimit(steps);
        Watch(history);
    }
    return history;
}

void SetDocument::DropHistory(int code) {
    const auto found = histories_.find(code);
    if (found != histories_.end()) {
        delete found->second;
        histories_.erase(found);
    }
}

void SetDocument::DropHistories() {
    emit HistoriesDropping();
    for (auto& [code, history] : histories_) {
        delete history;
    }
    histories_.clear();
}

}  // namespace zrl
