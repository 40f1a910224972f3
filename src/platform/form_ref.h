#pragma once

#include <QPointer>
#include <functional>

namespace zrl {

// The one instance of a window: created on first reference (delivering Load), gone after
// Unload, created afresh on the next reference.
template <typename F>
class FormRef {
public:
    using Factory = std::function<F*()>;

    explicit FormRef(Factory factory) : factory_(std::move(factory)) {}

    F* Get() {
        if (!Exists()) {
            form_ = factory_();
            form_->DeliverLoad();
        }
        return form_;
    }

    bool Exists() const { return form_ && !form_->IsUnloaded(); }
    F* IfExists() const { return Exists() ? form_.data() : nullptr; }

    void SetVisible(bool visible) { Get()->SetVisible(visible); }

    void Unload() {
        if (Exists()) {
            form_->Unload();
        }
    }

    // At the end of the run: deletes the window now, even one whose unload is pending.
    void Destroy() { delete form_.data(); }

    // The start-up window: created, loaded, then shown unless Load hid it.
    F* Start() {
        F* form = Get();
        if (Exists() && !form->WasHiddenDuringLoad()) {
            form->SetVisible(true);
        }
        return form;
    }

private:
    Factory factory_;
    QPointer<F> form_;
};

}  // namespace zrl
