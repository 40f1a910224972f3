#include "resize_set_command.h"

#include "character_set_window.h"
#include "core/text/code_map.h"

namespace zrl {

namespace {

QString SizeText(const CharacterSet& set) {
    return QString::fromStdString(ToString(set.Cell()));
}

}  // namespace

ResizeSetCommand::ResizeSetCommand(FrmCharSet& window, CharacterSet resized)
    : SetStep(window, QStringLiteral("Cell Size %1").arg(SizeText(resized)),
              QStringLiteral("%1 of %2")
                  .arg(QString::fromStdString(Counted(resized.Size(), "character")))
                  .arg(SizeText(resized))),
      before_(window.Set()),
      after_(std::move(resized)) {}

void ResizeSetCommand::Apply(bool forward) {
    window_.PutSet(forward ? after_ : before_);
}

}  // namespace zrl
