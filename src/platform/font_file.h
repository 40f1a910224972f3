#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/formats/bitmap_font.h"
#include "pcf_font.h"

namespace zrl {

struct LoadedFont {
    std::optional<ImportedFont> font;
    QString error;  // one line, without the file's name
};

// Reads a BDF or PCF font, either of them gzip-compressed or not, and places its glyphs in
// the 5x7 cell. A file over 16 MB is refused unread, and so is one that unpacks larger.
LoadedFont LoadFontFile(const QString& path);
// The same for the bytes of a file.
LoadedFont LoadFontData(const QByteArray& data);

// Writes a BDF or PCF font's BDF text, as LoadFontFile's set writes it back untouched,
// without making the set: a BDF font's own text, once it reads; a PCF font's as its glyphs
// are read, a part at a time. Returns none for any other file (and for one LoadFontFile
// refuses unread), else "" or why the font cannot be read, before any part is written.
std::optional<QString> WriteFontFileText(const QString& path, const TextSink& write);

// Whether a file's first bytes are a font's: gzip, PCF or BDF. Anything else may be text.
bool IsFontData(const QByteArray& head);
// Whether the file's name is a bitmap font's (5x7.bdf, 5x7.pcf.gz): it is read as one, and
// refused as one where it is none.
bool IsFontName(const QString& path);

// Writes the bytes through a temporary file that replaces the old one only once it is
// complete. Returns "" or why it failed.
QString SaveBytes(const QString& path, std::string_view bytes);

// Writes the set as BDF through a temporary file that replaces the old one only once it
// is complete, so a save that fails leaves the old file whole. Returns "" or why it failed.
QString SaveFontFile(const QString& path, const CharacterSet& set);

}  // namespace zrl
