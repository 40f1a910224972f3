#pragma once

#include <map>
#include <optional>

#include "core/model/character_set.h"
#include "set_step.h"

namespace zrl {

// An import into the open set (or any change of several characters) as one step: the
// characters it brings replace those at their codes, and undo puts back exactly what was
// there, or nothing where nothing was.
class ImportSetCommand : public SetStep {
public:
    ImportSetCommand(FrmCharSet& window, const CharacterSet& imported,
                     const QString& text = QStringLiteral("Import"), QString done = {});

    // The characters put at their codes, or a code's character removed for none.
    using Characters = std::map<int, std::optional<SetCharacter>>;
    ImportSetCommand(FrmCharSet& window, const Characters& after, const QString& text,
                     QString done);

protected:
    void Apply(bool forward) override;

private:
    Characters before_;
    Characters after_;
};

}  // namespace zrl
