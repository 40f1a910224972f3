#pragma once

#include "platform/form.h"

class QPushButton;

namespace zrl {

class Forms;
class Label;
class LineShape;
class Picture;

// The maker's picture and contact details; opened from the editor without blocking it.
class frmAbout : public Form {
    Q_OBJECT

public:
    explicit frmAbout(Forms& forms);

    Picture* picIcon;
    LineShape* Line1_0;
    Label* lblDisclaimer;
    QPushButton* cmdOK;

    static QString DisclaimerText();

private:
    void cmdOK_Click();
};

}  // namespace zrl
