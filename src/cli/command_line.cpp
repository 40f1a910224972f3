#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string_view>

#include "chosen_set.h"
#include "core/formats/format_table.h"
#include "core/formats/set_export.h"
#include "core/formats/table_writer.h"
#include "core/text/code_map.h"
#include "font_array_options.h"
#include "input_file.h"
#include "outline_input.h"
#include "output_text.h"
#include "platform/font_file.h"
#include "platform/outline_font.h"
#include "say.h"
#include "unused_options.h"

namespace zrl {

namespace {

const QString kExport = QStringLiteral("export");
const QString kName = QStringLiteral("name");
const QString kFirst = QStringLiteral("first");
const QString kSize = QStringLiteral("size");
const QString kLanguage = QStringLiteral("language");
const QString kFrom = QStringLiteral("from");
const QString kSparse = QStringLiteral("sparse");

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

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A format written, by its name or alias.
const Format* WrittenFormat(const QString& name) {
    const Format* format = FormatNamed(name.toStdString());
    return format != nullptr && IsWritten(*format) ? format : nullptr;
}

QString LayoutNames() {
    QStringList names;
    for (const std::string_view name : WrittenNames()) {
        names << FromView(name);
    }
    return names.join(QStringLiteral(", "));
}

// Whether --export names a form and --language a language; if not, says so.
bool KnowsForm(const QCommandLineParser& parser) {
    const QString form = parser.value(kExport);
    if (WrittenFormat(form) == nullptr) {
        Say(QStringLiteral("unknown layout \"%1\"; choose %2").arg(form, LayoutNames()));
        return false;
    }
    const QString language = parser.value(kLanguage);
    if (parser.isSet(kLanguage) && !LanguageNamed(language.toStdString())) {
        Say(QStringLiteral("unknown language \"%1\"; choose c, arduino or python").arg(language));
        return false;
    }
    return true;
}

// The text of the set in the form, or one line saying why it cannot be written so.
struct Exported {
    std::string text;
    QString error;
    QStringList notes = {};  // what the text leaves out or costs, a line each
};

// The options a font was written with, as its comment records them: every argument but the
// files.
QString SaidOptions(const QCommandLineParser& parser) {
    QStringList said = QCoreApplication::arguments().mid(1);
    for (const QString& file : parser.positionalArguments()) {
        said.removeOne(file);
    }
    for (QString& argument : said) {
        if (argument.contains(u' ') || argument.contains(u'$') || argument.contains(u'\'')) {
            argument = u'\'' + argument.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
        }
    }
    return said.join(u' ');
}

TableFormat FormatOf(const QCommandLineParser& parser, const ChosenSet& chosen,
                     const FontArrayOptions& arrays) {
    // KnowsForm has made sure of both names.
    const std::optional<Language> language =
        parser.isSet(kLanguage) ? LanguageNamed(parser.value(kLanguage).toStdString())
                                : Language::C;
    const Format& written = *WrittenFormat(parser.value(kExport));
    TableFormat format{written, *language, parser.value(kName).toStdString()};
    format.sparse = parser.isSet(kSparse);
    format.whole = chosen.selected;
    // Only a table's comment names the codes a selection moved.
    format.moved = written.output == Output::Source ? chosen.moved : std::string();
    format.version = arrays.lvgl;
    format.said = SaidOptions(parser).toStdString();
    if (written.output == Output::FontArray) {
        format.map = chosen.map;
        format.text = chosen.text;
        format.box = arrays.box;
        format.tiles = arrays.tiles;
    }
    return format;
}

Exported Export(const QCommandLineParser& parser, const ChosenSet& chosen,
                const CharacterSet& whole, const FontArrayOptions& arrays) {
    const TableFormat format = FormatOf(parser, chosen, arrays);
    const Format& written = *format.format;
    if (written.output != Output::Source && format.sparse) {
        return {{},
                QStringLiteral("--sparse is for tables of bytes; %1 is none")
                    .arg(parser.value(kExport))};
    }
    const CharacterSet set =
        chosen.selected ? ChosenFor(written, whole, chosen.set, !chosen.moved.empty()) : whole;
    if (const std::string why = WhyNotWritten(set, format); !why.empty()) {
        return {{}, QString::fromStdString(why)};
    }
    Exported exported{WriteTable(set, format), {}};
    if (const Gaps gaps = GapsOf(set, format); gaps.blanks > 0) {
        exported.notes << QStringLiteral("%1: %2; --map with > or --sparse leaves them out")
                              .arg(QString::fromStdString(Counted(gaps.blanks, "blank character")),
                                   QString::fromStdString(Counted(gaps.bytes, "byte")));
    }
    if (const std::string past = WarningOf(set, format); !past.empty()) {
        exported.notes << QString::fromStdString(past);
    }
    if (arrays.noCompress) {
        exported.notes << QStringLiteral(
            "--no-compress: LVGL's fonts of 1 bit per pixel are never compressed; the font is "
            "the same without it");
    }
    return exported;
}

bool Write(const QString& path, const std::string& text) {
    OutputText out(path);
    out.Write(text);
    return out.Finish();
}

// A BDF or PCF font to BDF, whole, is the font's text as it was: no set is made of it, so
// that Unifont converts in the time and memory of its text. The exit status, or none where
// the conversion asks for more or INPUT is no such font.
std::optional<int> ConvertedWhole(const QCommandLineParser& parser, const Choice& choice,
                                  const QString& input, const QString& output) {
    if (WrittenFormat(parser.value(kExport))->output != Output::Bdf || choice.given ||
        parser.isSet(kSparse) || SourceOf(input) != Source::Font) {
        return std::nullopt;
    }
    OutputText out(output);
    const std::optional<QString> error =
        WriteFontFileText(input, [&out](std::string_view part) { out.Write(part); });
    if (!error) {
        return std::nullopt;
    }
    if (!error->isEmpty()) {
        Say(QStringLiteral("%1: %2").arg(input, *error));
        return 1;
    }
    return out.Finish() ? 0 : 1;
}

QString LayoutLines() {
    const auto line = [](std::string_view name, std::string_view summary) {
        return QStringLiteral("  %1%2").arg(FromView(name), -16).arg(FromView(summary));
    };
    QStringList lines;
    for (const Format* format : Formats()) {
        if (!IsWritten(*format)) {
            continue;
        }
        if (!format->alias.empty()) {
            lines << line(format->alias, "the classic name of " + std::string(format->name));
        }
        lines << line(format->name, format->summary);
    }
    return lines.join(u'\n');
}

}  // namespace

void DescribeArguments(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Designs the characters of dot-matrix displays, 5x7 and up to 255x255.\n\n"
                       "zerlin [FILE] opens a character set beside the editor.\n"
                       "zerlin --export LAYOUT INPUT [OUTPUT] converts a font for firmware and "
                       "opens no window; the text goes to OUTPUT or to standard output.\n\n"
                       "Layouts:\n") +
        LayoutLines());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kExport,
                      QStringLiteral("Convert INPUT (a BDF or PCF font, gzip-compressed or "
                                     "not, a TrueType or OpenType font at a size, a table in "
                                     "any layout or a BASIC block) to LAYOUT, one of those "
                                     "above."),
                      QStringLiteral("LAYOUT")});
    parser.addOption({kLanguage,
                      QStringLiteral("The language of a table: c (the default), arduino "
                                     "(PROGMEM) or python (a list)."),
                      QStringLiteral("LANGUAGE")});
    parser.addOption(
        {kName, QStringLiteral("The array's name in a table."), QStringLiteral("NAME")});
    parser.addOption({kFrom, QStringLiteral("The layout of a table INPUT that does not say it."),
                      QStringLiteral("LAYOUT")});
    parser.addOption({kFirst,
                      QStringLiteral("The first code of a table INPUT that does not say it "
                                     "(default 32)."),
                      QStringLiteral("CODE")});
    parser.addOption({kSize,
                      QStringLiteral("The cell size of a table INPUT that does not say it, "
                                     "from 1x1 to 255x255 (default 5x7)."),
                      QStringLiteral("WxH")});
    DescribeSelection(parser);
    DescribeFontArrayOptions(parser);
    DescribeOutlineOptions(parser);
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

// The reading options, or none after saying what is wrong with them.
namespace {

std::optional<Reading> ReadingOf(const QCommandLineParser& parser) {
    bool numbered = false;
    const int first = parser.value(kFirst).toInt(&numbered);
    const std::optional<CellSize> size = parser.isSet(kSize)
                                             ? ParseCellSize(parser.value(kSize).toStdString())
                                             : std::optional(kDefaultSize);
    if (!size) {
        Say(QStringLiteral("--size \"%1\" is no cell size; write it as WxH, each from 1 to 255")
                .arg(parser.value(kSize)));
        return std::nullopt;
    }
    Reading reading{nullptr, *size, numbered ? std::optional(first) : std::nullopt,
                    parser.value(kName).toStdString()};
    const QString from = parser.value(kFrom);
    if (parser.isSet(kFrom)) {
        const Format* format = WrittenFormat(from);
        if (format == nullptr) {
            Say(QStringLiteral("--from \"%1\" is no layout; choose %2").arg(from, LayoutNames()));
            return std::nullopt;
        }
        // A BDF font and a BASIC block say how they are laid out.
        reading.told = format->output == Output::Source ? format : nullptr;
    }
    return reading;
}

}  // namespace

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
    const std::optional<Reading> reading = ReadingOf(parser);
    if (!reading || !KnowsForm(parser)) {
        return 1;
    }
    const std::optional<Choice> choice = ReadChoice(parser);
    const std::optional<FontArrayOptions> arrays = ReadFontArrayOptions(parser);
    if (!choice || !arrays) {
        return 1;
    }
    const QString input = files[0];
    if (!KeepsToItsOptions(parser, SourceOf(input), *WrittenFormat(parser.value(kExport)),
                           QFileInfo(input).fileName())) {
        return 1;
    }
    if (const std::optional<int> status = ConvertedWhole(parser, *choice, input, files.value(1))) {
        return *status;
    }
    QStringList outlineNotes;
    std::optional<LoadedFont> outline;
    if (QFile head(input); head.open(QIODevice::ReadOnly) && IsOutlineFont(head.peek(4))) {
        outline = LoadOutline(parser, input, *choice, outlineNotes);
        if (!outline) {
            return 1;
        }
    }
    const LoadedFont loaded = outline ? *outline : LoadInput(input, *reading);
    if (!loaded.font) {
        Say(QStringLiteral("%1: %2").arg(input, loaded.error));
        return 1;
    }
    const Format& written = *WrittenFormat(parser.value(kExport));
    const std::optional<ChosenSet> chosen =
        ChooseFrom(parser, *choice, loaded.font->set, input, written.output == Output::FontArray);
    if (!chosen) {
        return 1;
    }
    const Exported exported = Export(parser, *chosen, loaded.font->set, *arrays);
    if (!exported.error.isEmpty()) {
        Say(QStringLiteral("%1: %2").arg(input, exported.error));
        return 1;
    }
    // BDF holds the whole font, the glyphs kept as they are included; tables and BASIC
    // blocks hold the set, its codes up to 255 where it has codes past them too, unless
    // the characters were chosen.
    // A font array holds the whole font too, or what its map chose of it.
    // So does a library's font, of every character chosen at its code.
    const bool bdf = written.output == Output::Bdf || written.output == Output::FontArray ||
                     written.output == Output::FontSource || written.output == Output::Bytes;
    const std::string leftOut = bdf ? std::string() : DescribeLeftOut(*loaded.font);
    const bool lcd = written.layout == ByteLayout::Lcd;
    // A sparse table holds every character chosen; a dense one what its codes reach.
    std::string pastByte = bdf || parser.isSet(kSparse) || (chosen->selected && !lcd)
                               ? std::string()
                               : DescribeTableLeftOut(chosen->set, lcd ? SetFormat::LcdCharacters
                                                                       : SetFormat::CFontTable);
    if (!pastByte.empty() && !lcd) {
        pastByte += "; --map chooses characters past it";
    }
    QStringList lines;
    for (const std::string& line : {leftOut, pastByte}) {
        if (!line.empty()) {
            lines << QString::fromStdString(line);
        }
    }
    for (const QString& line : outlineNotes) {
        Say(line);
    }
    for (const QString& line : lines + exported.notes) {
        Say(QStringLiteral("%1: %2").arg(input, line));
    }
    for (const QString& line : chosen->notes) {
        Say(line);
    }
    return Write(files.value(1), exported.text) ? 0 : 1;
}

}  // namespace zrl
