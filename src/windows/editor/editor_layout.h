#pragma once

#include <QHash>
#include <QRect>
#include <vector>

class QWidget;

namespace zrl {

class CellField;
class ColourButton;
class TextBox;

// How the editor's window follows its field. Every control keeps its 5x7 place unless the
// field or the listing beside it reaches further: then the listing grows to show every
// line of the field's listing whole, what stands below moves down with their lower edge,
// and the window grows with them and stays on the screen.
class EditorLayout {
public:
    // Remembers where each control but the cells and the listing stands in the 5x7 layout.
    void Keep(QWidget* window, const std::vector<ColourButton*>& cells, const TextBox* listing);
    void Apply(QWidget* window, TextBox* listing, const CellField& field) const;

private:
    QHash<QWidget*, QRect> classic_;
};

}  // namespace zrl
