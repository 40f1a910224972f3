#pragma once

#include "core/model/character_set.h"
#include "set_step.h"

namespace zrl {

// Every character of the set at another cell size, as one step: undo puts back the whole
// set as it was, dots cut off by a smaller cell included.
class ResizeSetCommand : public SetStep {
public:
    ResizeSetCommand(FrmCharSet& window, CharacterSet resized);

protected:
    void Apply(bool forward) override;

private:
    CharacterSet before_;
    CharacterSet after_;
};

}  // namespace zrl
