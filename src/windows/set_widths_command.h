#pragma once

#include <QUndoCommand>
#include <map>

namespace zrl {

class SetDocument;

// Characters' widths changed as one step; undo gives each its width back.
class SetWidthsCommand : public QUndoCommand {
public:
    SetWidthsCommand(SetDocument& document, std::map<int, int> widths, const QString& text);

    void undo() override;
    void redo() override;

private:
    SetDocument& document_;
    std::map<int, int> before_;
    std::map<int, int> after_;
};

}  // namespace zrl
