#include "forms.h"

namespace zrl {

Forms::Forms(Clipboard& clipboard)
    : clipboard(clipboard),
      main([this] { return NewEditor(*this); }),
      splash([this] { return NewSplash(*this); }),
      about([this] { return NewAbout(*this); }),
      charSet([this] { return NewCharacterSet(*this); }) {}

Forms::~Forms() {
    splash.Destroy();
    about.Destroy();
    charSet.Destroy();
    main.Destroy();
}

}  // namespace zrl
