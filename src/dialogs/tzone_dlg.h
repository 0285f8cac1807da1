// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog.h"

#include <array>
#include <span>

// The free time-zone dialog, template 521: one edit field of at most 5 characters.
class TZoneDlg : public TDialog {
  public:
    TZoneDlg(std::span<char> tb, TWindow* parent, int resId);
    ~TZoneDlg() override;
    void SetupWindow() override;
    // The field has no label of its own; its examples are read with their codes.
    std::string FieldName(int id) const override;
    std::string FieldDescription(int id) const override;

  private:
    std::array<char, 6> buffer{};
    TEdit* tZONE;
};
