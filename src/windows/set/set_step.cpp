#include "set_step.h"

#include <exception>

#include "character_set_window.h"
#include "code_chart.h"

namespace zrl {

SetStep::SetStep(FrmCharSet& window, const QString& text, QString done)
    : QUndoCommand(text),
      window_(window),
      generation_(window.Generation()),
      done_(std::move(done)) {}

void SetStep::undo() {
    Run(false);
}

void SetStep::redo() {
    Run(true);
}

void SetStep::Run(bool forward) {
    const QString what = forward ? QStringLiteral("Not redone") : QStringLiteral("Not undone");
    if (generation_ != window_.Generation()) {
        setObsolete(true);
        window_.Say(QStringLiteral("%1: %2 was a step of another set").arg(what, text()));
        return;
    }
    // The step may change any character: none is current while it is undone or redone.
    if (window_.Current() >= 0) {
        window_.Chart->MakeCurrent(-1);
    }
    try {
        Apply(forward);
    } catch (const std::exception& error) {
        setObsolete(true);
        window_.Say(
            QStringLiteral("%1: %2: %3").arg(what, text(), QString::fromUtf8(error.what())));
        return;
    }
    window_.Say(forward ? done_ : QStringLiteral("Undone: %1. %2").arg(text(), window_.Describe()));
}

}  // namespace zrl
