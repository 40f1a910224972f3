#pragma once

#include <QLabel>

#include "ole_color.h"

namespace zrl {

// A label: fixed size and word-wrapped at spaces, or sized to its text, in which case each
// new caption resizes it while its left and top edges stay put.
class Label : public QLabel {
    Q_OBJECT

public:
    enum class Sizing { Fixed, ToText };

    explicit Label(QWidget* parent, Sizing sizing = Sizing::Fixed);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    void SetColours(OLE_COLOR back, OLE_COLOR fore);

private:
    Sizing sizing_;
};

}  // namespace zrl
