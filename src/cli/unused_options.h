#pragma once

#include <QString>
#include <optional>

class QCommandLineParser;

namespace zrl {

struct Format;
enum class Source;

// The options a run does not use are said, never dropped.

// Before any window opens: an option the program does not know, an option that goes with
// --export given without it, or a second FILE; one line on standard error and the status to
// end with, or none where the arguments open a window.
std::optional<int> RefuseWindowArguments(int argc, char* argv[]);

// In an export: the options that do not apply to INPUT, read in the source it is in, or to
// the format written, said in one line naming the first; false where there is one.
bool KeepsToItsOptions(const QCommandLineParser& parser, Source input, const Format& written,
                       const QString& inputName);

}  // namespace zrl
