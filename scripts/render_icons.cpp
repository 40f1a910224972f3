// Writes the program icon as the PNG sizes desktops use and as a Windows .ico with 16x16,
// 32x32 and 48x48 256-colour images and a 256x256 PNG. Its output is committed under
// resources/; run it again after changing the icon artwork:
//   build/scripts/zerlin_render_icons resources
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

#include "windows/startup/artwork.h"

namespace {

void Append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void Append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One 8-bit palette image as stored in an .ico: header, palette, pixels bottom-up, then
// the 1-bit transparency mask.
QByteArray IcoBitmap(const QImage& source) {
    const QImage rgba = source.convertToFormat(QImage::Format_ARGB32);
    const QImage indexed =
        rgba.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int size = indexed.width();
    QByteArray out;
    Append32(out, 40);
    Append32(out, static_cast<quint32>(size));
    Append32(out, static_cast<quint32>(size * 2));
    Append16(out, 1);
    Append16(out, 8);
    for (int i = 0; i < 6; ++i) {
        Append32(out, 0);
    }
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), size);
    }
    const int maskStride = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(rgba.pixel(x, y)) < 128) {
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The 256-colour images first, as older Windows look for them, then a 256 x 256 PNG for
// large icon views (a width and height of 0 mean 256).
QByteArray Ico(const QList<QImage>& images) {
    QByteArray header;
    Append16(header, 0);
    Append16(header, 1);
    Append16(header, static_cast<quint16>(images.size()));
    QByteArray data;
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        const bool large = image.width() >= 256;
        const QByteArray bitmap = large ? Png(image) : IcoBitmap(image);
        header.append(char(large ? 0 : image.width())).append(char(large ? 0 : image.height()));
        header.append('\0').append('\0');
        Append16(header, 1);
        Append16(header, large ? 32 : 8);
        Append32(header, static_cast<quint32>(bitmap.size()));
        Append32(header, offset);
        offset += static_cast<quint32>(bitmap.size());
        data.append(bitmap);
    }
    return header + data;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    folder.mkpath(QStringLiteral("icons"));
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("icons/zerlin-%1.png").arg(size));
        ok &= zrl::DrawIconImage(size).save(path);
    }
    QFile ico(folder.filePath(QStringLiteral("zerlin.ico")));
    ok &= ico.open(QIODevice::WriteOnly) &&
          ico.write(Ico({zrl::DrawIconImage(16).toImage(), zrl::DrawIconImage(32).toImage(),
                         zrl::DrawIconImage(48).toImage(), zrl::DrawIconImage(256).toImage()})) > 0;
    std::printf("%s\n", ok ? "icons written" : "FAILED to write icons");
    return ok ? 0 : 1;
}
