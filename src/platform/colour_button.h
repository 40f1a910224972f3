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

    // For assistive technology the button may stand for an on/off state, which its colour
    // shows: then it reads as a toggle button, checked when on. Face and clicks stay a
    // plain button's.
    void SetOn(bool on);
    bool IsOn() const { return on_; }
    bool IsToggle() const { return toggle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OLE_COLOR backColor_ = 0x8000000F;
    bool toggle_ = false;
    bool on_ = false;
};

}  // namespace zrl
