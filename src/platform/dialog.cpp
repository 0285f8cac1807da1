// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit-free part of a dialog: binding controls, copying the transfer buffer into
// the fields and back, and running the dialog through its parent's host (cancelled when
// there is none).
#include "platform/dialog.h"

#include <algorithm>
#include <cstring>

const DialogControl* DialogTemplate::Control(int id) const {
    for (const DialogControl& control : controls)
        if (control.id == id)
            return &control;
    return nullptr;
}

void TEdit::SetText(std::string_view text) {
    const auto limit = static_cast<std::size_t>(std::max(0, MaxChars()));
    TControl::SetText(text.substr(0, std::min(text.size(), limit)));
}

TDialog::TDialog(TWindow* parent, const DialogTemplate& dialogTemplate)
    : parent_(parent), template_(dialogTemplate) {}

TDialog::~TDialog() = default;

int TDialog::Execute() {
    WindowHost* host = parent_ ? parent_->Host() : nullptr;
    if (!host)
        return IDCANCEL;
    return host->ExecuteDialog(*this) == IDOK ? IDOK : IDCANCEL;
}

void TDialog::SetupWindow() { TransferToControls(); }

bool TDialog::CanClose() { return true; }

int TDialog::MessageBox(const char* text, const char* caption, unsigned style) {
    return parent_ ? parent_->MessageBox(text, caption, style) : IDCANCEL;
}

TControl* TDialog::Control(int id) const {
    for (const auto& control : controls_)
        if (control->Id() == id)
            return control.get();
    return nullptr;
}

std::string TDialog::ControlText(int id) const {
    if (const TControl* control = Control(id))
        return control->GetText();
    if (const DialogControl* fixed = template_.Control(id))
        return std::string(fixed->text);
    return {};
}

TEdit* TDialog::BindEdit(int id, int textLen) {
    auto edit = std::make_unique<TEdit>(id, textLen);
    if (const DialogControl* fixed = template_.Control(id))
        edit->SetText(fixed->text);
    TEdit* raw = edit.get();
    controls_.push_back(std::move(edit));
    return raw;
}

TStatic* TDialog::BindStatic(int id, int textLen) {
    auto label = std::make_unique<TStatic>(id, textLen);
    if (const DialogControl* fixed = template_.Control(id))
        label->SetText(fixed->text);
    TStatic* raw = label.get();
    controls_.push_back(std::move(label));
    return raw;
}

void TDialog::TransferToControls() {
    std::size_t offset = 0;
    for (const auto& control : controls_) {
        if (!control->TakesPartInTransfer())
            continue;
        const auto len = static_cast<std::size_t>(control->TextLen());
        if (offset + len > transfer_.size())
            break;
        control->SetText(FieldText(transfer_.subspan(offset, len)));
        offset += len;
    }
}

void TDialog::TransferFromControls() {
    std::size_t offset = 0;
    for (const auto& control : controls_) {
        if (!control->TakesPartInTransfer())
            continue;
        const auto len = static_cast<std::size_t>(control->TextLen());
        if (offset + len > transfer_.size())
            break;
        CopyToField(transfer_.subspan(offset, len), control->GetText());
        offset += len;
    }
}

void CopyToField(std::span<char> field, std::string_view text) {
    if (field.empty())
        return;
    const std::size_t n = std::min(text.size(), field.size() - 1);
    std::copy_n(text.data(), n, field.data());
    field[n] = '\0';
}

std::string_view FieldText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return {field.data(), static_cast<std::size_t>(end - field.begin())};
}
