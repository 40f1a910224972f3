#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zrl {

class CodeChart;
class CodeChartModel;
class SetDocument;

// The set's characters as a chart by code, with a list of the Unicode blocks that hold
// them ("Cyrillic U+0400-U+04FF (256)"), of which the chart shows the one chosen, and a Go
// to box that takes a code in any form a person writes it and makes it current.
class CharacterChart : public QWidget {
    Q_OBJECT

public:
    CharacterChart(const SetDocument& document, CodeChartModel* model, QWidget* parent);

    CodeChart* Chart;
    QComboBox* Blocks;
    QLineEdit* GoTo;

    // Shows the code, in its block where the chosen one does not hold it; false where the
    // text is no code.
    bool GoToCode(const QString& text);

signals:
    // One line for the status line.
    void Said(const QString& text);

private:
    void ListBlocks();
    void ChooseBlock(int index);

    const SetDocument& document_;
    CodeChartModel* model_;
};

}  // namespace zrl
