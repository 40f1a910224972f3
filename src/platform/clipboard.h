#pragma once

#include <QString>
#include <optional>

namespace zrl {

// The system clipboard as the windows use it. Both operations raise RuntimeError when
// the clipboard did not take them, so a failed copy is never reported as done.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const QString& text) = 0;
    // The plain text on the clipboard: empty when it holds nothing, none when it holds
    // something that is not text (an image, say).
    virtual std::optional<QString> Text() = 0;
};

}  // namespace zrl
