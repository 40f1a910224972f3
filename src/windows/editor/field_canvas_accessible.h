#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace zrl {

// The field canvas as a screen reader meets it: one table of the field's rows and columns.
// Its cells are made when asked for and kept until the field changes size, never one for
// each of 65,025 cells; each is named by its row and column, says whether it is lit, and
// toggles when pressed.
QAccessibleInterface* FieldCanvasAccessible(const QString& className, QObject* object);

}  // namespace zrl
