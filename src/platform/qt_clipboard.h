#pragma once

#include "clipboard.h"

namespace zrl {

// The application clipboard, plain-text format. On X11, Qt hands the text to a running
// clipboard manager at exit, so a copy outlives the program there.
class QtClipboard : public Clipboard {
public:
    void Clear() override;
    void SetText(const QString& text) override;
    std::optional<QString> Text() override;
};

}  // namespace zrl
