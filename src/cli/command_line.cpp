#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string_view>

#include "core/set_export.h"
#include "core/set_import.h"
#include "platform/font_file.h"

namespace zrl {

namespace {

const QString kExport = QStringLiteral("export");
const QString kName = QStringLiteral("name");
const QString kFirst = QStringLiteral("first");
const QString kSize = QStringLiteral("size");
constexpr int kDefaultFirstCode = 32;

void Say(const QString& line) {
    std::fprintf(stderr, "zerlin: %s\n", qPrintable(line));
}

// The exit status when the arguments are wrong or ask for help or the version. Printed
// here rather than by QCommandLineParser::process, which on Windows shows a message box
// instead whenever the program has no console window, even with its output redirected.
std::optional<int> Answered(QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.parse(arguments)) {
        Say(parser.errorText());
        return 1;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

struct NamedFormat {
    const char* name;
    SetFormat format;
    ListingOrder order;
};

constexpr NamedFormat kFormats[] = {
    {"bdf", SetFormat::Bdf, ListingOrder::ByRow},
    {"basic-rows", SetFormat::BasicBlock, ListingOrder::ByRow},
    {"basic-columns", SetFormat::BasicBlock, ListingOrder::ByColumn},
    {"c", SetFormat::CFontTable, ListingOrder::ByRow},
    {"lcd", SetFormat::LcdCharacters, ListingOrder::ByRow},
};

// The text of a format, or none for a name that is no format.
std::optional<std::string> Exported(const QString& format, const CharacterSet& set,
                                    const QString& name) {
    for (const NamedFormat& named : kFormats) {
        if (format == QLatin1String(named.name)) {
            return WriteSet(set, named.format, named.order, name.toStdString());
        }
    }
    return std::nullopt;
}

// A font file, or a set as firmware source: a BASIC block, a C table, LCD rows.
LoadedFont LoadInput(const QString& path, std::optional<int> firstCode, CellSize size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, file.errorString()};
    }
    if (IsFontData(file.peek(64)) || file.size() > static_cast<qint64>(kMaxSetText)) {
        return LoadFontFile(path);
    }
    const QByteArray text = file.readAll();
    const ParsedSet read = ReadSetText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), firstCode, size);
    if (!read.set) {
        return {std::nullopt, QString::fromStdString(read.error)};
    }
    return {ImportedFont{*read.set}, {}};
}

bool Write(const QString& path, const std::string& text) {
    const auto size = static_cast<qint64>(text.size());
    if (path.isEmpty()) {
        QFile out;
        return out.open(stdout, QIODevice::WriteOnly) && out.write(text.data(), size) == size;
    }
    if (const QString error = SaveBytes(path, text); !error.isEmpty()) {
        Say(QStringLiteral("%1: %2").arg(path, error));
        return false;
    }
    return true;
}

}  // namespace

void DescribeArguments(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Designs the characters of dot-matrix displays, 5x7 and up to 32x32.\n\n"
                       "zerlin [FILE] opens a character set beside the editor.\n"
                       "zerlin --export FORMAT INPUT [OUTPUT] converts a font for firmware and "
                       "opens no window; the text goes to OUTPUT or to standard output."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kExport,
                      QStringLiteral("Convert INPUT (a BDF or PCF font, gzip-compressed or "
                                     "not, a C table, LCD rows or a BASIC block) to FORMAT: bdf, "
                                     "basic-rows, basic-columns, c or lcd."),
                      QStringLiteral("FORMAT")});
    parser.addOption({kName, QStringLiteral("The array's name in the c and lcd formats."),
                      QStringLiteral("NAME")});
    parser.addOption({kFirst,
                      QStringLiteral("The first code of a C table INPUT that does not say it "
                                     "(default 32)."),
                      QStringLiteral("CODE")});
    parser.addOption({kSize,
                      QStringLiteral("The cell size of a table INPUT that does not say it, "
                                     "from 1x1 to 32x32 (default 5x7)."),
                      QStringLiteral("WxH")});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A character set to open, or with --export the "
                                                "font to convert and the file to write."),
                                 QStringLiteral("[file] [output]"));
}

bool WantsNoWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--export") || argument == "--help" || argument == "-h" ||
            argument == "-?" || argument == "--version" || argument == "-v") {
            return true;
        }
    }
    return false;
}

int RunWithoutWindow(QCoreApplication& app) {
    QCommandLineParser parser;
    DescribeArguments(parser);
    if (const std::optional<int> status = Answered(parser, app.arguments())) {
        return *status;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || files.size() > 2) {
        Say(QStringLiteral("--export needs INPUT and, at most, OUTPUT; see zerlin --help"));
        return 1;
    }
    const QString input = files[0];
    bool numbered = false;
    const int first = parser.value(kFirst).toInt(&numbered);
    const std::optional<CellSize> size = parser.isSet(kSize)
                                             ? ParseCellSize(parser.value(kSize).toStdString())
                                             : std::optional(kDefaultSize);
    if (!size) {
        Say(QStringLiteral("--size \"%1\" is no cell size; write it as WxH, each from 1 to 32")
                .arg(parser.value(kSize)));
        return 1;
    }
    const LoadedFont loaded =
        LoadInput(input, numbered ? std::optional(first) : std::optional(kDefaultFirstCode), *size);
    if (!loaded.font) {
        Say(QStringLiteral("%1: %2").arg(input, loaded.error));
        return 1;
    }
    const QString format = parser.value(kExport);
    if (const std::string why = WhyNotWritten(loaded.font->set, SetFormat::LcdCharacters);
        format == QLatin1String("lcd") && !why.empty()) {
        Say(QStringLiteral("%1: %2").arg(input, QString::fromStdString(why)));
        return 1;
    }
    const std::optional<std::string> text = Exported(format, loaded.font->set, parser.value(kName));
    if (!text) {
        Say(QStringLiteral("unknown format \"%1\"; choose bdf, basic-rows, basic-columns, c or lcd")
                .arg(format));
        return 1;
    }
    if (const std::string leftOut = DescribeLeftOut(*loaded.font); !leftOut.empty()) {
        Say(QStringLiteral("%1: %2").arg(input, QString::fromStdString(leftOut)));
    }
    return Write(files.value(1), *text) ? 0 : 1;
}

}  // namespace zrl
