#pragma once

#include <QPointer>
#include <functional>

#include "form.h"

namespace zrl {

// The one instance of a window: created on first reference (delivering Load), gone after
// Unload, created afresh on the next reference. What every window can do is done here
// through its Form, so a window that shows another needs nothing of it but this.
class FormSlot {
public:
    using Factory = std::function<Form*()>;

    explicit FormSlot(Factory factory);

    Form* GetForm();
    bool Exists() const;
    Form* FormIfExists() const;

    void SetVisible(bool visible);
    void Unload();

    // At the end of the run: deletes the window now, even one whose unload is pending.
    void Destroy();

    // The start-up window: created, loaded, then shown unless Load hid it.
    Form* StartForm();

private:
    Factory factory_;
    QPointer<Form> form_;
};

// The slot of a window of the class F, giving the window as an F.
template <typename F>
class FormRef : public FormSlot {
public:
    using FormSlot::FormSlot;

    F* Get() { return static_cast<F*>(GetForm()); }
    F* IfExists() const { return static_cast<F*>(FormIfExists()); }
    F* Start() { return static_cast<F*>(StartForm()); }
};

}  // namespace zrl
