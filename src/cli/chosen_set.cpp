#include "chosen_set.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "core/text/code_map.h"
#include "core/text/code_text.h"
#include "say.h"

namespace zrl {

namespace {

const QString kMap = QStringLiteral("map");
const QString kCharsFrom = QStringLiteral("chars-from");

}  // namespace

void DescribeSelection(QCommandLineParser& parser) {
    parser.addOption(
        {kMap,
         QStringLiteral("The characters a table or font holds, as bdfconv's maps say it: "
                        "'32-126,$410-$44F,~$420' (ranges, decimal or $hex, ~ to leave out, "
                        "* for all, later ones deciding), and A-B>C to move A-B to code C."),
         QStringLiteral("MAP")});
    parser.addOption({kCharsFrom,
                      QStringLiteral("Also the characters a UTF-8 text FILE holds, such as a "
                                     "firmware's strings."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("sparse"),
                      QStringLiteral("A table of the chosen characters only, with their codes, "
                                     "a lookup by code point and a UTF-8 decoder.")});
}

std::optional<Choice> ReadChoice(const QCommandLineParser& parser) {
    Choice choice;
    choice.given = parser.isSet(kMap) || parser.isSet(kCharsFrom);
    std::string error;
    choice.map = CodeMap::Parse(parser.value(kMap).toStdString(), error);
    if (!error.empty()) {
        Say(QStringLiteral("--map \"%1\": %2")
                .arg(parser.value(kMap), QString::fromStdString(error)));
        return std::nullopt;
    }
    if (parser.isSet(kCharsFrom)) {
        QFile file(parser.value(kCharsFrom));
        if (!file.open(QIODevice::ReadOnly)) {
            Say(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
            return std::nullopt;
        }
        const QByteArray bytes = file.readAll();
        const TextCodes text = CodesOfText(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        choice.text = text.codes;
        if (text.malformed > 0) {
            choice.notes << QStringLiteral("%1: passed over %2 malformed UTF-8 %3")
                                .arg(file.fileName())
                                .arg(text.malformed)
                                .arg(text.malformed == 1 ? "sequence" : "sequences");
        }
    }
    return choice;
}

std::optional<ChosenSet> ChooseFrom(const QCommandLineParser& parser, const Choice& choice,
                                    const CharacterSet& set, const QString& input, bool fromFont) {
    if (!choice.given) {
        return ChosenSet{set, false, {}, {}, {}, {}};
    }
    ChosenSet chosen{set, true, {}, choice.map, choice.text, choice.notes};
    Selection selection = Select(set, choice.map, choice.text);
    if (selection.set.IsEmpty() && !fromFont) {
        Say(QStringLiteral("the map and text choose none of the set's %1")
                .arg(QString::fromStdString(Counted(set.Size(), "character"))));
        return std::nullopt;
    }
    if (!selection.absent.empty()) {
        chosen.notes << QStringLiteral("%1: not in %2: %3")
                            .arg(parser.value(kCharsFrom), input,
                                 QString::fromStdString(ListedCharacters(selection.absent)));
    }
    chosen.set = std::move(selection.set);
    chosen.moved = std::move(selection.moved);
    return chosen;
}

}  // namespace zrl
