#include "unused_options.h"

#include <QCommandLineParser>
#include <QStringList>

#include "command_line.h"
#include "core/formats/format.h"
#include "say.h"

namespace zrl {

namespace {

// The options that read a table which does not say how it is laid out.
const QStringList kReading{QStringLiteral("from"), QStringLiteral("size"), QStringLiteral("first")};
// The options that rasterise an outline font.
const QStringList kRasterising{QStringLiteral("pixels"),    QStringLiteral("points"),
                               QStringLiteral("dpi"),       QStringLiteral("hinting"),
                               QStringLiteral("threshold"), QStringLiteral("cell"),
                               QStringLiteral("face")};

// Qt's own options, which the application takes before the program reads the rest.
const QStringList kQtValued{QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
                            QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
                            QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
                            QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
                            QStringLiteral("display"),         QStringLiteral("geometry"),
                            QStringLiteral("style"),           QStringLiteral("stylesheet"),
                            QStringLiteral("qmljsdebugger")};
const QStringList kQtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                           QStringLiteral("nograb"), QStringLiteral("dograb"),
                           QStringLiteral("sync")};

void DescribeQtOptions(QCommandLineParser& parser) {
    for (const QString& name : kQtValued) {
        QCommandLineOption option(name, {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The first of the options given, or "".
QString FirstGiven(const QCommandLineParser& parser, const QStringList& options) {
    for (const QString& option : options) {
        if (parser.isSet(option)) {
            return option;
        }
    }
    return {};
}

QString NameOf(const Format& format) {
    return QString::fromUtf8(format.name.data(), static_cast<qsizetype>(format.name.size()));
}

// --box or --tiles where the format takes neither.
QString FirstUnfit(const QCommandLineParser& parser, const Format& written) {
    if (parser.isSet(QStringLiteral("box")) && !written.Takes(kTakesBox)) {
        return QStringLiteral("box");
    }
    if (parser.isSet(QStringLiteral("tiles")) && !written.Takes(kTakesTiles)) {
        return QStringLiteral("tiles");
    }
    for (const QString& option : {QStringLiteral("lvgl"), QStringLiteral("no-compress")}) {
        if (parser.isSet(option) && !written.Takes(kTakesVersion)) {
            return option;
        }
    }
    return {};
}

}  // namespace

std::optional<int> RefuseWindowArguments(int argc, char* argv[]) {
    QCommandLineParser parser;
    DescribeArguments(parser);
    DescribeQtOptions(parser);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!parser.parse(arguments)) {
        Say(parser.errorText());
        return 1;
    }
    // Without --export, --help or --version, every option of the program's own is one of
    // those that go with --export.
    for (const QString& option : parser.optionNames()) {
        if (!kQtValued.contains(option) && !kQtFlags.contains(option)) {
            Say(QStringLiteral("--%1 goes with --export LAYOUT INPUT [OUTPUT]; zerlin [FILE] "
                               "opens a set in the window")
                    .arg(option));
            return 1;
        }
    }
    if (parser.positionalArguments().size() > 1) {
        Say(QStringLiteral("zerlin [FILE] opens one set; an OUTPUT goes with --export"));
        return 1;
    }
    return std::nullopt;
}

bool KeepsToItsOptions(const QCommandLineParser& parser, Source input, const Format& written,
                       const QString& inputName) {
    QString unused;
    QString why;
    if (const QString option = FirstGiven(parser, kRasterising);
        !option.isEmpty() && input != Source::Outline) {
        unused = option;
        why = QStringLiteral("is for an outline font INPUT, and %1 is none").arg(inputName);
    } else if (const QString reading = FirstGiven(parser, kReading);
               !reading.isEmpty() && input != Source::Text) {
        unused = reading;
        why = QStringLiteral(
                  "is for a table INPUT that does not say how it is laid out, and "
                  "%1 is a font")
                  .arg(inputName);
    } else if (parser.isSet(QStringLiteral("language")) && written.output != Output::Source) {
        unused = QStringLiteral("language");
        why = QStringLiteral("is for tables in C, Arduino C or Python; %1 is none")
                  .arg(NameOf(written));
    } else if (parser.isSet(QStringLiteral("name")) && !written.Takes(kTakesName) &&
               input != Source::Text) {
        unused = QStringLiteral("name");
        why = QStringLiteral(
                  "names a table's array, or the array to read of a text INPUT; %1 "
                  "has none, and %2 is a font")
                  .arg(NameOf(written), inputName);
    } else if (const QString option = FirstUnfit(parser, written); !option.isEmpty()) {
        unused = option;
        const QString kind = option == QLatin1String("box")     ? QStringLiteral("u8g2 fonts")
                             : option == QLatin1String("tiles") ? QStringLiteral("u8x8 fonts")
                                                                : QStringLiteral("LVGL fonts");
        why = QStringLiteral("is for %1; %2 takes no %3").arg(kind, NameOf(written), option);
    }
    if (unused.isEmpty()) {
        return true;
    }
    Say(QStringLiteral("--%1 %2").arg(unused, why));
    return false;
}

}  // namespace zrl
