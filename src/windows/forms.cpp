#include "forms.h"

#include "about_window.h"
#include "character_set_window.h"
#include "main_window.h"
#include "splash_window.h"

namespace zrl {

Forms::Forms(Clipboard& clipboard)
    : clipboard(clipboard),
      main([this] { return new FrmMain(*this); }),
      splash([this] { return new frmSplash(*this); }),
      about([this] { return new frmAbout(*this); }),
      charSet([this] { return new FrmCharSet(*this); }) {}

Forms::~Forms() {
    splash.Destroy();
    about.Destroy();
    charSet.Destroy();
    main.Destroy();
}

}  // namespace zrl
