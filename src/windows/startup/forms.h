#pragma once

#include "platform/clipboard.h"
#include "platform/form_ref.h"

namespace zrl {

class FrmMain;
class frmSplash;
class frmAbout;
class FrmCharSet;

// The program's windows, each existing at most once, and the clipboard they use.
// Windows reach one another through this, never through globals, so a test can run a
// whole program of its own.
class Forms {
public:
    explicit Forms(Clipboard& clipboard);
    ~Forms();

    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    Clipboard& clipboard;
    FormRef<FrmMain> main;
    FormRef<frmSplash> splash;
    FormRef<frmAbout> about;
    FormRef<FrmCharSet> charSet;
};

// Each window's own unit makes its window, so that the windows reach one another through
// Forms, and Forms depends on none of them.
Form* NewEditor(Forms& forms);
Form* NewSplash(Forms& forms);
Form* NewAbout(Forms& forms);
Form* NewCharacterSet(Forms& forms);

}  // namespace zrl
