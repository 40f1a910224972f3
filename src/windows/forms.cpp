#include "forms.h"

#include "about_window.h"
#include "main_window.h"
#include "splash_window.h"

namespace zrl {

Forms::Forms(Clipboard& clipboard)
    : clipboard(clipboard),
      main([this] { return new FrmMain(*this); }),
      splash([this] { return new frmSplash(*this); }),
      about([this] { return new frmAbout(*this); }) {}

Forms::~Forms() {
    splash.Destroy();
    about.Destroy();
    main.Destroy();
}

}  // namespace zrl
