#include "form_ref.h"

namespace zrl {

FormSlot::FormSlot(Factory factory) : factory_(std::move(factory)) {}

Form* FormSlot::GetForm() {
    if (!Exists()) {
        form_ = factory_();
        form_->DeliverLoad();
    }
    return form_;
}

bool FormSlot::Exists() const {
    return form_ && !form_->IsUnloaded();
}

Form* FormSlot::FormIfExists() const {
    return Exists() ? form_.data() : nullptr;
}

void FormSlot::SetVisible(bool visible) {
    GetForm()->SetVisible(visible);
}

void FormSlot::Unload() {
    if (Exists()) {
        form_->Unload();
    }
}

void FormSlot::Destroy() {
    delete form_.data();
}

Form* FormSlot::StartForm() {
    Form* form = GetForm();
    if (Exists() && !form->WasHiddenDuringLoad()) {
        form->SetVisible(true);
    }
    return form;
}

}  // namespace zrl
