#pragma once

#include <QUndoCommand>
#include <map>

namespace zrl {

class SetDocument;

// Characters' widths changed as one step; undo gives each its width back. Changes of one
// character's width in a row, as the arrows of its width box make them, are one step.
class SetWidthsCommand : public QUndoCommand {
public:
    SetWidthsCommand(SetDocument& document, std::map<int, int> widths, const QString& text);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    SetDocument& document_;
    std::map<int, int> before_;
    std::map<int, int> after_;
};

}  // namespace zrl
