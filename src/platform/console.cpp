#include "platform/console.h"

#ifdef _WIN32
#include <windows.h>

#include <QByteArray>
#include <cstdio>

namespace zrl {
namespace {

bool HasStream(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void UseParentConsole() {
    bool hasOut = HasStream(STD_OUTPUT_HANDLE);
    bool hasErr = HasStream(STD_ERROR_HANDLE);
    if (!(hasOut && hasErr) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        hasOut = hasOut || std::freopen("CONOUT$", "w", stdout) != nullptr;
        hasErr = hasErr || std::freopen("CONOUT$", "w", stderr) != nullptr;
    }
    // With somewhere to print, --help and --version print there rather than in a
    // message box; with nowhere (started from Explorer), the box is all there is.
    if (hasOut) {
        qputenv("QT_COMMAND_LINE_PARSER_NO_GUI_MESSAGE_BOXES", QByteArray("1"));
    }
}

}  // namespace zrl

#else

namespace zrl {

void UseParentConsole() {}

}  // namespace zrl

#endif
