#pragma once

#include <QString>
#include <cstdio>

namespace zrl {

// One line on standard error, after the program's name, as every refusal and note of the
// command line is said.
inline void Say(const QString& line) {
    std::fprintf(stderr, "zerlin: %s\n", qPrintable(line));
}

}  // namespace zrl
