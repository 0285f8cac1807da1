#pragma once

#include "dialogs/templates.h"
#include "platform/dialog.h"

#include <array>

class TModule;

// Begins with a blank, which the box shows after "Version:".
inline constexpr const char* kVersionText = " 1.0 (Windows 95)";

// The about box, template 400.
class AboutDlg : public TDialog {
  public:
    AboutDlg(const char* tb, TWindow* parent, int resId, TModule* module);
    ~AboutDlg() override;
    void SetupWindow() override;

  private:
    std::array<char, 40> buffer{};
    TStatic* tVERSION = nullptr;
};
