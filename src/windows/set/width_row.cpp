#include "width_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace zrl {

WidthRow::WidthRow(QWidget* parent) : QWidget(parent) {
    Width = new QSpinBox(this);
    Width->setAccessibleName(QStringLiteral("Character width"));
    Width->setSuffix(QStringLiteral(" columns"));
    auto* label = new QLabel(QStringLiteral("&Width:"), this);
    label->setBuddy(Width);
    auto* fit = new QPushButton(QStringLiteral("F&it Widths"), this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(Width);
    layout->addStretch();
    layout->addWidget(fit);
    connect(fit, &QPushButton::clicked, this, &WidthRow::FitClicked);
    connect(Width, &QSpinBox::valueChanged, this, &WidthRow::WidthChosen);
}

void WidthRow::Show(const SetCharacter* character, CellSize cell) {
    const QSignalBlocker quiet(Width);
    Width->setRange(0, cell.width);
    Width->setValue(character != nullptr ? character->width : cell.width);
    Width->setEnabled(character != nullptr);
}

}  // namespace zrl
