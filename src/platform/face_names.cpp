#include "face_names.h"

#include <QString>

#include "core/formats/bdf_font.h"

#ifdef ZRL_HAVE_FREETYPE
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#endif

namespace zrl {

// BDF's string property: in double quotes, a quote doubled, on one line.
std::string QuotedProperty(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : OneLine(text)) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

#ifdef ZRL_HAVE_FREETYPE

namespace {

// A name table entry in UTF-8: Unicode and Windows entries are UTF-16BE, Macintosh Roman
// entries are taken as Latin-1.
std::string NameText(const FT_SfntName& name) {
    const auto* bytes = reinterpret_cast<const char*>(name.string);
    if (name.platform_id == TT_PLATFORM_MACINTOSH) {
        return QString::fromLatin1(bytes, static_cast<qsizetype>(name.string_len)).toStdString();
    }
    QString text;
    for (FT_UInt i = 0; i + 1 < name.string_len; i += 2) {
        text += QChar(static_cast<char16_t>(name.string[i] << 8 | name.string[i + 1]));
    }
    return text.toStdString();
}

}  // namespace

// The face's copyright notice, English where it has several, its lines joined by spaces.
std::string CopyrightOf(FT_Face face) {
    std::string found;
    for (FT_UInt i = 0; i < FT_Get_Sfnt_Name_Count(face); ++i) {
        FT_SfntName name{};
        if (FT_Get_Sfnt_Name(face, i, &name) != 0 || name.name_id != TT_NAME_ID_COPYRIGHT) {
            continue;
        }
        const bool english = name.platform_id == TT_PLATFORM_MICROSOFT && name.language_id == 0x409;
        if (found.empty() || english) {
            found = NameText(name);
        }
        if (english) {
            break;
        }
    }
    std::string line;
    for (const char c : found) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (!lineBreak || (!line.empty() && line.back() != ' ')) {
            line += lineBreak ? ' ' : c;
        }
    }
    return OneLine(line);
}

#endif

}  // namespace zrl
