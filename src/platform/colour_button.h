#pragma once

#include <QPushButton>

#include "ole_color.h"

namespace zrl {

// A command button in the graphical style: its whole face is its BackColor, exactly, under
// any Qt style, with a thin bevel around it and a focus mark when it has the focus.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColourButton(QWidget* parent = nullptr);

    OLE_COLOR BackColor() const { return backColor_; }
    void SetBackColor(OLE_COLOR colour);

    // The colour actually painted on the face.
    QColor FaceColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OLE_COLOR backColor_ = 0x8000000F;
};

}  // namespace zrl
