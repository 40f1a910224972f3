// zerlin.com, the console twin of zerlin.exe on Windows. The Command Prompt finds a .com
// before an .exe of the same name, and waits for a console program where it would not wait
// for a windowed one. So `zerlin --export c font.bdf font.h` typed at the prompt runs this:
// it starts zerlin.exe beside it with the same arguments and the same standard input,
// output and error, waits for it, and exits with its status, which %ERRORLEVEL% then holds.
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

// The command line after the program's own name, as Windows splits it: a quoted name runs
// to the next quote, any other to the first blank.
std::wstring ArgumentsOf(const wchar_t* commandLine) {
    const wchar_t* at = commandLine;
    if (*at == L'"') {
        ++at;
        while (*at != L'\0' && *at != L'"') {
            ++at;
        }
        if (*at == L'"') {
            ++at;
        }
    } else {
        while (*at != L'\0' && *at != L' ' && *at != L'\t') {
            ++at;
        }
    }
    return at;
}

// zerlin.exe in this program's own folder.
std::wstring WindowedProgram() {
    wchar_t self[4096];
    const DWORD length = GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
    if (length == 0 || length >= std::size(self)) {
        return {};
    }
    const std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"zerlin.exe";
}

}  // namespace

int main() {
    const std::wstring program = WindowedProgram();
    std::wstring command = L"\"" + program + L"\"" + ArgumentsOf(GetCommandLineW());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (program.empty() || !CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE,
                                           0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "zerlin: cannot start zerlin.exe beside zerlin.com (error %lu)\n",
                     GetLastError());
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
