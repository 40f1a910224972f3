#pragma once

#include <cstdint>

#include "platform/form.h"

class QFrame;
class QTimer;

namespace zrl {

class Forms;
class Label;
class Picture;

// Shown at start in front of the hidden editor: the product's title, then the web address,
// the e-mail address and the telephone number, one every three seconds. The fourth tick,
// a key press, or closing the splash reveals the editor.
class frmSplash : public Form {
    Q_OBJECT

public:
    explicit frmSplash(Forms& forms);

    QFrame* Frame1;
    Picture* imgLogo;
    Label* lblProductName;
    QTimer* Timer1;

    std::uint8_t SplashTick() const { return splashTick_; }
    void Timer1_Timer();

protected:
    void Load() override;
    void KeyPress(QChar key) override;
    void Unloading() override;

private:
    void ShowMainAndUnload();

    Forms& forms_;
    std::uint8_t splashTick_ = 0;
};

}  // namespace zrl
