#pragma once

class QCommandLineParser;
class QCoreApplication;

namespace zrl {

// The program's arguments: [FILE] to open a character set, or --export to convert a font
// for firmware builds, with --help and --version.
void DescribeArguments(QCommandLineParser& parser);

// True when the arguments ask for no window at all: --export, --help or --version.
bool WantsNoWindow(int argc, char* argv[]);

// Runs an export (or prints help or the version) and returns the exit status: 0, or 1 with
// one line on standard error naming the file, and then no output file is written.
int RunWithoutWindow(QCoreApplication& app);

}  // namespace zrl
