#include "file_filters.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "core/formats/format_table.h"

namespace zrl {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsRead(const Format& format) {
    return format.source == Source::Text || format.source == Source::Font;
}

// "*.bdf *.bdf.gz": a bitmap font's files may be gzip-compressed.
QStringList PatternsOf(const Format& format) {
    QStringList patterns;
    for (const std::string_view extension : ExtensionsOf(format)) {
        patterns << QStringLiteral("*.") + FromView(extension);
    }
    if (format.source == Source::Font) {
        for (const std::string_view extension : ExtensionsOf(format)) {
            patterns << QStringLiteral("*.%1.gz").arg(FromView(extension));
        }
    }
    return patterns;
}

// Every pattern of the formats the filter admits, each once, the compressed ones last.
QStringList AllPatterns(bool (*admits)(const Format&)) {
    QStringList plain;
    QStringList packed;
    for (const Format* format : Formats()) {
        if (admits(*format)) {
            for (const QString& pattern : PatternsOf(*format)) {
                QStringList& list = pattern.endsWith(QLatin1String(".gz")) ? packed : plain;
                if (!list.contains(pattern)) {
                    list << pattern;
                }
            }
        }
    }
    return plain + packed;
}

const QString kAllFiles = QStringLiteral("All files (*)");

}  // namespace

QString OpenFilters() {
    QStringList filters{
        QStringLiteral("Fonts and firmware tables (%1)").arg(AllPatterns(IsRead).join(u' '))};
    for (const Format* format : Formats()) {
        if (IsRead(*format)) {
            filters << QStringLiteral("%1: %2 (%3)")
                           .arg(FromView(format->name), FromView(format->summary),
                                PatternsOf(*format).join(u' '));
        }
    }
    return (filters << kAllFiles).join(QStringLiteral(";;"));
}

QString SourceFilters() {
    return QStringLiteral("Firmware source (%1);;%2")
        .arg(AllPatterns(IsReadAsText).join(u' '), kAllFiles);
}

bool IsSourceFile(const QString& path) {
    return AllPatterns(IsReadAsText)
        .contains(QStringLiteral("*.") + QFileInfo(path).suffix().toLower());
}

QString WithExtension(const QString& path, const QString& extension) {
    QStringList known;
    for (const QString& pattern : AllPatterns(IsRead)) {
        if (!pattern.endsWith(QLatin1String(".gz"))) {
            known << QRegularExpression::escape(pattern.mid(2));
        }
    }
    QString named = path;
    named.remove(QRegularExpression(QStringLiteral("(\\.gz)?$")))
        .replace(QRegularExpression(QStringLiteral("\\.(%1)$").arg(known.join(u'|')),
                                    QRegularExpression::CaseInsensitiveOption),
                 QStringLiteral(".") + extension);
    return named;
}

}  // namespace zrl
