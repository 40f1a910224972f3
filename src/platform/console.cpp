#include "platform/console.h"

#ifdef _WIN32
#include <windows.h>

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
    const bool hasOut = HasStream(STD_OUTPUT_HANDLE);
    const bool hasErr = HasStream(STD_ERROR_HANDLE);
    if ((hasOut && hasErr) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (!hasOut) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (!hasErr) {
        std::freopen("CONOUT$", "w", stderr);
    }
}

}  // namespace zrl

#else

namespace zrl {

void UseParentConsole() {}

}  // namespace zrl

#endif
