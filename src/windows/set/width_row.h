#pragma once

#include <QWidget>

#include "core/model/character_set.h"

class QSpinBox;

namespace zrl {

// The row under the chart with the current character's width, from 0 to the cell's, and
// the Fit Widths button.
class WidthRow : public QWidget {
    Q_OBJECT

public:
    explicit WidthRow(QWidget* parent);

    QSpinBox* Width;

    // The character's width, none current (the box off, at the cell's width) where null.
    void Show(const SetCharacter* character, CellSize cell);

signals:
    void WidthChosen(int width);
    void FitClicked();
};

}  // namespace zrl
