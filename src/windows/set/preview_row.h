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

    // The most the text box takes: a paste is cut there, and the note under the strip says
    // so. A longer text scrolls by for minutes; the strip stays quick well past it.
    static constexpr int kLongestText = 10000;

    QLineEdit* Text;
    QComboBox* DotColour;
    QComboBox* ScrollSpeed;
};

}  // namespace zrl
