#pragma once

namespace zrl {

// Lets a run that only prints (--export, --help, --version) reach the console it was
// started from. On Windows the program is a GUI-subsystem executable, which gets no
// standard handles from a console: it attaches to its parent's console and writes there,
// while output that was redirected to a file or a pipe stays where it was sent. Elsewhere
// the standard streams are already the terminal's and nothing changes.
void UseParentConsole();

}  // namespace zrl
