#pragma once

#include <QString>

#include "core/model/character_grid.h"

class QPushButton;
class QRadioButton;
class QWidget;

namespace zrl {

class Label;

// The editor's controls made at their places in twips, in the editor's colours.
inline constexpr OLE_COLOR kInfoBackground = 0x80000018;
inline constexpr OLE_COLOR kHighlightText = 0x8000000E;

// Row and Col: light text on the navy window.
QRadioButton* MakeOption(QWidget* parent, const QString& text, int left, int width);
QPushButton* MakeButton(QWidget* parent, const QString& text, int left, int top, int width);
// A line of the credits, below the buttons.
Label* MakeCredit(QWidget* parent, const QString& text, int top, int width);

}  // namespace zrl
