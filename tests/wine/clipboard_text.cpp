// Prints the Windows clipboard's text on one line, CR and LF written as \r and \n, so the
// window check can read inside Wine what the program copied (Wine hands X11 plain LF).
#include <windows.h>

#include <cstdio>

int main() {
    if (!OpenClipboard(nullptr)) {
        std::fputs("cannot open the clipboard\n", stderr);
        return 1;
    }
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr) {
        CloseClipboard();
        std::fputs("the clipboard holds no text\n", stderr);
        return 1;
    }
    for (; *text != 0; ++text) {
        if (*text == L'\r') {
            std::fputs("\\r", stdout);
        } else if (*text == L'\n') {
            std::fputs("\\n", stdout);
        } else {
            std::putchar(*text < 128 ? static_cast<char>(*text) : '?');
        }
    }
    std::putchar('\n');
    GlobalUnlock(data);
    CloseClipboard();
    return 0;
}
