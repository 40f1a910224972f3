#pragma once

#include <QString>

namespace zrl {

// The system clipboard as the windows use it. Both operations raise RuntimeError when
// the clipboard did not take them, so a failed copy is never reported as done.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const QString& text) = 0;
};

}  // namespace zrl
