#pragma once

#include <QString>
#include <optional>

#include "core/model/cell_size.h"

class QWidget;

namespace zrl {

// Asks for a width and a height, each from 1 to 255, starting from `current`; none when
// the user cancels.
std::optional<CellSize> AskCellSize(QWidget* parent, const QString& title, CellSize current);

}  // namespace zrl
