#include "label.h"

namespace zrl {

Label::Label(QWidget* parent, Sizing sizing) : QLabel(parent), sizing_(sizing) {
    setTextFormat(Qt::PlainText);
    setWordWrap(sizing == Sizing::Fixed);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::SetCaption(const QString& caption) {
    setText(caption);
    if (sizing_ == Sizing::ToText) {
        resize(sizeHint());
    }
}

void Label::SetColours(OLE_COLOR back, OLE_COLOR fore) {
    SetWidgetColours(this, {QPalette::Window}, back);
    SetWidgetColours(this, {QPalette::WindowText}, fore);
}

}  // namespace zrl
