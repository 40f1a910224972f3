#include "preview_row.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "windows/dialogs/preview_strip.h"

namespace zrl {

PreviewRow::PreviewRow(PreviewStrip* strip, QWidget* parent) : QWidget(parent) {
    Text = new QLineEdit(this);
    Text->setPlaceholderText(QStringLiteral("Type a text to preview"));
    Text->setAccessibleName(QStringLiteral("Preview text"));
    Text->setMaxLength(kLongestText);
    DotColour = new QComboBox(this);
    DotColour->setAccessibleName(QStringLiteral("Dot colour"));
    for (const PreviewStrip::Colour& colour : PreviewStrip::Colours()) {
        DotColour->addItem(colour.name);
    }
    ScrollSpeed = new QComboBox(this);
    ScrollSpeed->setAccessibleName(QStringLiteral("Scrolling"));
    for (const PreviewStrip::Speed& speed : PreviewStrip::Speeds()) {
        ScrollSpeed->addItem(speed.name);
    }
    // Visible labels, as screen readers name a combo box by the label it is the buddy of.
    auto* dots = new QLabel(QStringLiteral("D&ots:"), this);
    dots->setBuddy(DotColour);
    auto* scroll = new QLabel(QStringLiteral("Scro&ll:"), this);
    scroll->setBuddy(ScrollSpeed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text, 1);
    layout->addWidget(dots);
    layout->addWidget(DotColour);
    layout->addWidget(scroll);
    layout->addWidget(ScrollSpeed);
    connect(DotColour, &QComboBox::currentIndexChanged, strip, &PreviewStrip::SetColour);
    connect(ScrollSpeed, &QComboBox::currentIndexChanged, strip, &PreviewStrip::SetSpeed);
}

}  // namespace zrl
