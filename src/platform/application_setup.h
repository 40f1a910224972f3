#pragma once

class QApplication;

namespace zrl {

// False on a Unix desktop session with no display to open, where Qt would abort with a
// long plugin message; the caller says so in one line instead.
bool HasDisplay();

// Program name and version, and the classic 8-point dialog font as the default, so that
// layouts measured in twips fit their text at 96 dpi. Arial maps to a metric-compatible
// font where Arial itself is missing.
void SetUpApplication(QApplication& app);

}  // namespace zrl
