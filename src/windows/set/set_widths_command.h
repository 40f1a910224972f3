#pragma once

#include <QUndoCommand>
#include <chrono>
#include <map>

namespace zrl {

class SetDocument;

// Characters' widths changed as one step; undo gives each its width back. Changes of one
// character's width that follow each other as a held key repeats, as the arrows of its width
// box or Ctrl+[ held down make them, are one step; presses a person counts are steps each.
class SetWidthsCommand : public QUndoCommand {
public:
    using Clock = std::chrono::steady_clock;
    // Changes further apart than a key's auto-repeat: 500 ms, the usual delay before it.
    static constexpr std::chrono::milliseconds kRepeat{500};

    SetWidthsCommand(SetDocument& document, std::map<int, int> widths, const QString& text,
                     Clock::time_point made = Clock::now());

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    SetDocument& document_;
    std::map<int, int> before_;
    std::map<int, int> after_;
    Clock::time_point last_;  // when the last change merged into this step was made
};

}  // namespace zrl
