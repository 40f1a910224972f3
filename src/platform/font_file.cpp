#include "font_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "core/formats/bdf_font.h"
#include "core/formats/font_text.h"
#include "core/formats/format_table.h"
#include "pcf_font.h"

#ifdef ZRL_HAVE_ZLIB
#include <zlib.h>
#endif

namespace zrl {

namespace {

bool IsGzip(const QByteArray& data) {
    return data.size() >= 2 && static_cast<unsigned char>(data[0]) == 0x1F &&
           static_cast<unsigned char>(data[1]) == 0x8B;
}

// What a gzip file says it unpacks to (its last four bytes, modulo 4 GB): a hint to make
// room by, never trusted as a limit.
std::size_t UnpackedSize(const QByteArray& packed) {
    if (packed.size() < 4) {
        return 0;
    }
    const auto* end = reinterpret_cast<const unsigned char*>(packed.constData() + packed.size());
    return std::size_t{end[-4]} | std::size_t{end[-3]} << 8 | std::size_t{end[-2]} << 16 |
           std::size_t{end[-1]} << 24;
}

// Unpacks a gzip file, refusing one that would unpack past the font size limit.
std::optional<QByteArray> Gunzip(const QByteArray& packed, QString& error) {
#ifdef ZRL_HAVE_ZLIB
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        error = QStringLiteral("could not unpack the gzip file");
        return std::nullopt;
    }
    // Unpacked straight into the data, grown past what the file says only as it must be.
    QByteArray data;
    data.resize(static_cast<qsizetype>(
        std::clamp<std::size_t>(UnpackedSize(packed) + 1, 64 * 1024, kMaxFontFile + 1)));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        const auto room = static_cast<std::size_t>(data.size());
        if (stream.total_out == room) {
            if (room > kMaxFontFile) {
                status = Z_BUF_ERROR;
                error = QStringLiteral(
                    "the file unpacks to more than 16 MB; no bitmap font of up to "
                    "32x32 is that large");
                break;
            }
            data.resize(static_cast<qsizetype>(std::min(2 * room, kMaxFontFile + 1)));
        }
        stream.next_out = reinterpret_cast<Bytef*>(data.data()) + stream.total_out;
        stream.avail_out =
            static_cast<uInt>(static_cast<std::size_t>(data.size()) - stream.total_out);
        status = inflate(&stream, Z_NO_FLUSH);
    }
    data.resize(static_cast<qsizetype>(stream.total_out));
    inflateEnd(&stream);
    if (status != Z_STREAM_END) {
        if (error.isEmpty()) {
            error = QStringLiteral("the gzip file is damaged or cut short");
        }
        return std::nullopt;
    }
    return data;
#else
    Q_UNUSED(packed);
    error = QStringLiteral("this build cannot unpack gzip files; unpack the font first");
    return std::nullopt;
#endif
}

bool IsFontFile(const Format& format) {
    return format.source == Source::Font;
}

std::string_view ViewOf(const QByteArray& data) {
    return {data.constData(), static_cast<std::size_t>(data.size())};
}

// "not a BDF or PCF font": the formats of bitmap font files.
QString NoFont() {
    std::vector<std::string> names;
    for (const Format* format : Formats()) {
        if (IsFontFile(*format)) {
            names.push_back(
                QString::fromUtf8(format->name.data(), static_cast<qsizetype>(format->name.size()))
                    .toUpper()
                    .toStdString());
        }
    }
    return QStringLiteral("not a %1 font")
        .arg(QString::fromStdString(JoinedWithOr({names.begin(), names.end()})));
}

bool IsBinaryFont(const Format& format) {
    return format.output == Output::Bytes && format.read != nullptr;
}

// A library's binary font says what it is by its first bytes, and is read whatever its size
// up to a font file's.
LoadedFont ReadBinaryFont(const QByteArray& data) {
    const Detected binary = DetectFormat(ViewOf(data), IsBinaryFont);
    if (binary.format == nullptr || binary.certainty != Certainty::Signed) {
        return {std::nullopt, NoFont()};
    }
    ParsedSet read = binary.format->read(*binary.format, ViewOf(data), {});
    if (!read.set) {
        return {std::nullopt, QString::fromStdString(read.error)};
    }
    return {ImportedFont{std::move(*read.set)}, {}};
}

// A font the program reads itself keeps its text, to be written back as it was; one read
// through FreeType is as its BDF text says it.
LoadedFont Imported(const Format& format, const QByteArray& data) {
    ReadFont read = format.readFont != nullptr ? format.readFont(ViewOf(data)) : ReadPcf(data);
    if (!read.font) {
        return {std::nullopt, QString::fromStdString(read.error)};
    }
    if (format.readFont != nullptr) {
        return {ImportFont(*read.font, ViewOf(data)), {}};
    }
    const std::string text = WriteFontText(*read.font);
    return {ImportFont(*read.font, text), {}};
}

}  // namespace

LoadedFont LoadFontData(const QByteArray& data) {
    if (static_cast<std::size_t>(data.size()) > kMaxFontFile) {
        return {std::nullopt, QString::fromLatin1(kTooLargeFont.data(), kTooLargeFont.size())};
    }
    if (IsGzip(data)) {
        QString error;
        const std::optional<QByteArray> unpacked = Gunzip(data, error);
        return unpacked ? LoadFontData(*unpacked) : LoadedFont{std::nullopt, error};
    }
    const Detected detected = DetectFormat(ViewOf(data), IsFontFile);
    if (detected.format == nullptr) {
        return ReadBinaryFont(data);
    }
    return Imported(*detected.format, data);
}

namespace {

// The file's bytes, up to one past the font size limit; none, with why, for a file over it
// or one that cannot be read.
std::optional<QByteArray> FileBytes(const QString& path, QString& error) {
    QFile file(path);
    if (QFileInfo(file).size() > static_cast<qint64>(kMaxFontFile)) {
        error = QString::fromLatin1(kTooLargeFont.data(), kTooLargeFont.size());
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    return file.read(static_cast<qint64>(kMaxFontFile) + 1);
}

}  // namespace

LoadedFont LoadFontFile(const QString& path) {
    QString error;
    const std::optional<QByteArray> data = FileBytes(path, error);
    return data ? LoadFontData(*data) : LoadedFont{std::nullopt, error};
}

std::optional<QString> WriteFontFileText(const QString& path, const TextSink& write) {
    QString unread;
    std::optional<QByteArray> read = FileBytes(path, unread);
    if (!read) {
        return std::nullopt;  // refused as LoadFontFile refuses it
    }
    QByteArray data = std::move(*read);
    if (IsGzip(data)) {
        QString error;
        std::optional<QByteArray> unpacked = Gunzip(data, error);
        if (!unpacked) {
            return error;
        }
        data = std::move(*unpacked);
    }
    const Detected detected = DetectFormat(ViewOf(data), IsFontFile);
    if (detected.format == nullptr || static_cast<std::size_t>(data.size()) > kMaxFontFile) {
        return std::nullopt;
    }
    if (detected.format->readFont == nullptr) {
        return QString::fromStdString(WritePcfText(data, write));
    }
    // A BDF font written whole is its own text, once it reads.
    if (const ReadFont read = detected.format->readFont(ViewOf(data)); !read.font) {
        return QString::fromStdString(read.error);
    }
    write(ViewOf(data));
    return QString();
}

bool IsFontName(const QString& path) {
    QString name = QFileInfo(path).fileName().toLower();
    if (name.endsWith(QLatin1String(".gz"))) {
        name.chop(3);
    }
    for (const Format* format : Formats()) {
        for (const std::string_view extension : ExtensionsOf(*format)) {
            if (IsFontFile(*format) &&
                name.endsWith(QStringLiteral(".") +
                              QString::fromLatin1(extension.data(),
                                                  static_cast<qsizetype>(extension.size())))) {
                return true;
            }
        }
    }
    return false;
}

bool IsFontData(const QByteArray& head) {
    return IsGzip(head) || DetectFormat(ViewOf(head), IsFontFile).format != nullptr;
}

QString SaveBytes(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit()) {
        return file.errorString();
    }
    return {};
}

QString SaveFontFile(const QString& path, const CharacterSet& set) {
    return SaveBytes(path, WriteBdf(set));
}

}  // namespace zrl
