#include "character_commands.h"

#include <QLineEdit>

#include "character_set_window.h"
#include "code_chart.h"
#include "code_chart_model.h"
#include "core/text/code_text.h"
#include "core/text/data_listing.h"
#include "core/text/pattern_parser.h"
#include "import_set_command.h"
#include "set_document.h"
#include "windows/dialogs/asking.h"
#include "windows/editor/main_window.h"
#include "windows/startup/forms.h"

namespace zrl {

CharacterCommands::CharacterCommands(FrmCharSet& window, SetDocument& document, Forms& forms)
    : window_(window), document_(document), forms_(forms) {}

bool CharacterCommands::Add(int code) {
    const CharacterSet& set = document_.Set();
    if (code < kFirstCode || code > kLastUnicode || set.Find(code) != nullptr) {
        window_.Say(QStringLiteral("Code %1 already has a character").arg(code));
        return false;
    }
    if (set.IsKept(code)) {
        window_.Say(QStringLiteral("%1 holds a glyph too large to edit")
                        .arg(CodeChartModel::CodeName(code)));
        return false;
    }
    // A step of the set, as Delete is: undo takes the character away again.
    window_.PushSetStep(new ImportSetCommand(
        window_, {{code, SetCharacter{Pattern(set.Cell()), {}}}}, QStringLiteral("Add Character"),
        QStringLiteral("Added %1").arg(CodeChartModel::SpokenName(code))));
    window_.Chart->MakeCurrent(code);
    return true;
}

// The code in any form the Go to box takes; a free one is offered.
void CharacterCommands::Add_Click() {
    const std::optional<int> free = document_.Set().FreeCode(std::max(window_.Current(), 0));
    const QString offered = !free               ? QString()
                            : *free > kLastCode ? CodeChartModel::CodeName(*free)
                                                : QString::number(*free);
    bool chosen = false;
    const QString text =
        AskText(&window_, QStringLiteral("Add Character"),
                QStringLiteral("Code (U+0416, 0x416, 1046 or the character):"), offered, &chosen);
    if (!chosen) {
        return;
    }
    if (const std::optional<int> code = ParseCode(text.toStdString()); code && IsSurrogate(*code)) {
        window_.Say(QStringLiteral("Not added: %1 is a surrogate, half of a UTF-16 pair, and no "
                                   "character")
                        .arg(QString::fromStdString(CodePointText(*code))));
    } else if (code) {
        Add(*code);
    } else {
        window_.Say(QStringLiteral("Not added: \"%1\" is no code from 0 to U+10FFFF").arg(text));
    }
}

void CharacterCommands::Delete_Click() {
    const int code = window_.Current();
    if (code < 0) {
        return;
    }
    window_.PushSetStep(
        new ImportSetCommand(window_, {{code, std::nullopt}}, QStringLiteral("Delete Character"),
                             QStringLiteral("Deleted %1").arg(CodeChartModel::SpokenName(code))));
}

void CharacterCommands::Copy_Click() {
    const int code = window_.Current();
    if (code < 0) {
        return;
    }
    forms_.clipboard.Clear();
    forms_.clipboard.SetText(QString::fromLatin1(
        BuildListing(GridOf(document_.Set().Find(code)->pattern), window_.EditorOrder())));
}

void CharacterCommands::Paste_Click() {
    if (window_.Current() < 0) {
        window_.Say(QStringLiteral("Not pasted: choose the character to paste into first"));
        return;
    }
    const std::optional<QString> text = forms_.clipboard.Text();
    const ParsedPattern parsed =
        ParsePattern(text.value_or(QString())
                         .left(static_cast<qsizetype>(MaxPatternText(document_.Set().Cell())) + 1)
                         .toStdString(),
                     document_.Set().Cell(), window_.EditorOrder());
    if (!parsed.grid) {
        window_.Say(QStringLiteral("Not pasted: ") + QString::fromStdString(parsed.error));
        return;
    }
    forms_.main.Get()->Edit(*parsed.grid, QStringLiteral("Paste"));
}

}  // namespace zrl
