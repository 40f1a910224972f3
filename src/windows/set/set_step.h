#pragma once

#include <QString>
#include <QUndoCommand>

namespace zrl {

class FrmCharSet;

// A step of a set's own history (an import, Fit Widths, a cell size). It belongs to the set
// it was made on: should it ever meet another, it is refused with a message and leaves the
// history, and nothing it does can throw past the history. The status line says what each
// undo and redo left.
class SetStep : public QUndoCommand {
public:
    // `done`: what the status line says once the step is done.
    SetStep(FrmCharSet& window, const QString& text, QString done);

    void undo() final;
    void redo() final;

protected:
    virtual void Apply(bool forward) = 0;

    FrmCharSet& window_;

private:
    void Run(bool forward);

    quint64 generation_;
    QString done_;
};

}  // namespace zrl
