#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zrl {

class PreviewStrip;

// The row above the preview: the text to preview, and the colour of its dots and how fast
// it scrolls, each choice with a visible label that a screen reader names it by.
class PreviewRow : public QWidget {
    Q_OBJECT

public:
    PreviewRow(PreviewStrip* strip, QWidget* parent);

    QLineEdit* Text;
    QComboBox* DotColour;
    QComboBox* ScrollSpeed;
};

}  // namespace zrl
