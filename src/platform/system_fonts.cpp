#include "system_fonts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>

#ifdef ZRL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "outline_font.h"

namespace zrl {

namespace {

#ifdef ZRL_HAVE_FONTCONFIG

QString Text(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch
               ? QString::fromUtf8(reinterpret_cast<const char*>(value))
               : QString();
}

std::vector<SystemFont> Listed() {
    std::vector<SystemFont> fonts;
    FcPattern* outlines = FcPatternBuild(nullptr, FC_OUTLINE, FcTypeBool, FcTrue, nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr);
    FcFontSet* set = FcFontList(nullptr, outlines, objects);
    for (int i = 0; set != nullptr && i < set->nfont; ++i) {
        int index = 0;
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        const QString path = Text(set->fonts[i], FC_FILE);
        // Variable fonts list each named instance with a high index; their default is face 0.
        if (!path.isEmpty() && (index >> 16) == 0) {
            fonts.push_back({Text(set->fonts[i], FC_FAMILY), Text(set->fonts[i], FC_STYLE), path,
                             index & 0xFFFF});
        }
    }
    if (set != nullptr) {
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(outlines);
    return fonts;
}

#else

// Every face of the outline font files in the font folders, named as the faces name
// themselves.
std::vector<SystemFont> Listed() {
    std::vector<SystemFont> fonts;
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
#ifdef Q_OS_WIN
    folders << QDir(qEnvironmentVariable("WINDIR")).filePath(QStringLiteral("Fonts"))
            << QDir(qEnvironmentVariable("LOCALAPPDATA"))
                   .filePath(QStringLiteral("Microsoft/Windows/Fonts"));
#endif
    folders.removeDuplicates();
    for (const QString& folder : folders) {
        QDirIterator files(folder, {"*.ttf", "*.otf", "*.ttc", "*.TTF", "*.OTF", "*.TTC"},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                continue;
            }
            // Mapped, not read: FreeType reads a face's names from a few of its pages.
            const uchar* mapped = file.map(0, file.size());
            if (mapped == nullptr) {
                continue;
            }
            const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped),
                                                            static_cast<qsizetype>(file.size()));
            const OutlineFont first(data);
            for (int face = 0; first.IsValid() && face < first.Faces(); ++face) {
                const OutlineFont font = first.WithFace(face);
                if (font.IsValid()) {
                    fonts.push_back({font.Family(), font.Style(), path, face});
                }
            }
        }
    }
    return fonts;
}

#endif

}  // namespace

const std::vector<SystemFont>& SystemFonts() {
    static const std::vector<SystemFont> fonts = [] {
        std::vector<SystemFont> listed = Listed();
        std::sort(listed.begin(), listed.end(), [](const SystemFont& a, const SystemFont& b) {
            const int family = a.family.compare(b.family, Qt::CaseInsensitive);
            return family != 0 ? family < 0 : a.style < b.style;
        });
        listed.erase(std::unique(listed.begin(), listed.end(),
                                 [](const SystemFont& a, const SystemFont& b) {
                                     return a.family == b.family && a.style == b.style;
                                 }),
                     listed.end());
        return listed;
    }();
    return fonts;
}

}  // namespace zrl
