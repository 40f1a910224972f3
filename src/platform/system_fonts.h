#pragma once

#include <QString>
#include <vector>

namespace zrl {

// An outline font face the system has installed.
struct SystemFont {
    QString family;
    QString style;
    QString path;
    int face = 0;  // within a collection (.ttc)
};

// The system's TrueType and OpenType faces, by family and then style: on Linux as fontconfig
// lists them, on Windows those in the system's and the user's font folders. Read once.
const std::vector<SystemFont>& SystemFonts();

}  // namespace zrl
