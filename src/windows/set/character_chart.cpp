#include "character_chart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>
#include <map>

#include "code_chart.h"
#include "code_chart_model.h"
#include "core/text/code_map.h"
#include "core/text/code_text.h"
#include "core/text/unicode_names.h"
#include "platform/runtime_error.h"
#include "set_document.h"

namespace zrl {

namespace {

// Each item's range, the whole of Unicode for "All characters".
constexpr int kFirstRole = Qt::UserRole;
constexpr int kLastRole = Qt::UserRole + 1;

QString Range(int first, int last) {
    return CodeChartModel::CodeName(first) + u'-' + CodeChartModel::CodeName(last);
}

}  // namespace

CharacterChart::CharacterChart(const SetDocument& document, CodeChartModel* model, QWidget* parent)
    : QWidget(parent), document_(document), model_(model) {
    Chart = new CodeChart(model, this);
    Blocks = new QComboBox(this);
    Blocks->setAccessibleName(QStringLiteral("Block"));
    Blocks->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Blocks->setMinimumContentsLength(16);
    GoTo = new QLineEdit(this);
    GoTo->setAccessibleName(QStringLiteral("Go to"));
    GoTo->setPlaceholderText(QStringLiteral("U+0416, 0x416, 1046 or Ж"));
    auto* blockLabel = new QLabel(QStringLiteral("&Block:"), this);
    blockLabel->setBuddy(Blocks);
    auto* goToLabel = new QLabel(QStringLiteral("&Go to:"), this);
    goToLabel->setBuddy(GoTo);
    auto* row = new QHBoxLayout;
    row->addWidget(blockLabel);
    row->addWidget(Blocks, 2);
    row->addWidget(goToLabel);
    row->addWidget(GoTo, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(Chart, 1);

    for (const auto signal : {&SetDocument::Replaced, &SetDocument::CharactersChanged}) {
        connect(&document, signal, this, [this] { ListBlocks(); });
    }
    // A block chosen shows its first row, whichever character is current.
    connect(Blocks, &QComboBox::activated, this, [this](int index) {
        RunHandler(this, [this, index] {
            ChooseBlock(index);
            Chart->scrollToTop();
        });
    });
    // Another set starts at its top.
    connect(&document, &SetDocument::Replaced, Chart, &QAbstractItemView::scrollToTop);
    // A code found takes the focus to the chart, at it; Escape there goes back to the box.
    connect(GoTo, &QLineEdit::returnPressed, this, [this] {
        RunHandler(this, [this] {
            if (GoToCode(GoTo->text())) {
                Chart->setFocus(Qt::ShortcutFocusReason);
            }
        });
    });
    new QShortcut(
        QKeySequence(Qt::Key_Escape), Chart, this,
        [this] {
            GoTo->setFocus(Qt::ShortcutFocusReason);
            GoTo->selectAll();
        },
        Qt::WidgetShortcut);
    ListBlocks();
}

// The blocks that hold characters, each with its count; the chosen one stays chosen.
void CharacterChart::ListBlocks() {
    std::map<const UnicodeBlock*, int> counts;
    for (const auto& entry : document_.Set().Characters()) {
        ++counts[BlockOf(entry.first)];
    }
    const int chosenFirst = Blocks->currentData(kFirstRole).toInt();
    const QSignalBlocker quiet(Blocks);
    Blocks->clear();
    Blocks->addItem(QStringLiteral("All characters (%1)")
                        .arg(QString::fromStdString(WithThousands(document_.Set().Size()))));
    Blocks->setItemData(0, 0, kFirstRole);
    Blocks->setItemData(0, kLastUnicode, kLastRole);
    for (const auto& [block, count] : counts) {
        if (block == nullptr) {
            continue;
        }
        Blocks->addItem(QStringLiteral("%1 %2 (%3)")
                            .arg(QString::fromUtf8(block->name.data(),
                                                   static_cast<qsizetype>(block->name.size())),
                                 Range(block->first, block->last))
                            .arg(count));
        Blocks->setItemData(Blocks->count() - 1, block->first, kFirstRole);
        Blocks->setItemData(Blocks->count() - 1, block->last, kLastRole);
    }
    const int chosen = std::max(0, Blocks->findData(chosenFirst, kFirstRole));
    Blocks->setCurrentIndex(chosen);
    ChooseBlock(chosen);
}

void CharacterChart::ChooseBlock(int index) {
    model_->ShowCodes(Blocks->itemData(index, kFirstRole).toInt(),
                      Blocks->itemData(index, kLastRole).toInt());
}

bool CharacterChart::GoToCode(const QString& text) {
    if (text.trimmed().isEmpty()) {
        emit Said(QStringLiteral("Type a code or a character to go to"));
        return false;
    }
    const std::optional<int> code = ParseCode(text.toStdString());
    if (!code) {
        emit Said(QStringLiteral("\"%1\" is no code; write U+0416, 0x416, 1046 or the character")
                      .arg(text));
        return false;
    }
    if (IsSurrogate(*code)) {
        emit Said(QStringLiteral("%1 is a surrogate, half of a UTF-16 pair, and no character")
                      .arg(QString::fromStdString(CodePointText(*code))));
        return false;
    }
    if (!model_->Shows(*code)) {
        const UnicodeBlock* block = BlockOf(*code);
        Blocks->setCurrentIndex(
            std::max(0, block ? Blocks->findData(block->first, kFirstRole) : 0));
        ChooseBlock(Blocks->currentIndex());
    }
    if (document_.Set().Find(*code) == nullptr) {
        emit Said(
            QStringLiteral("%1 has no character in the set").arg(CodeChartModel::Described(*code)));
        Chart->scrollTo(model_->IndexOf(*code - *code % CodeChartModel::kPerRow));
        return true;
    }
    Chart->MakeCurrent(*code);
    return true;
}

}  // namespace zrl
