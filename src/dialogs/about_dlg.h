// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/templates.h"
#include "platform/dialog.h"

#include <array>

class TModule;

// The system Korvel was built for, and so runs on, as the about box names it.
#if defined(__linux__)
#define KORVEL_SYSTEM "Linux"
#elif defined(_WIN32)
#define KORVEL_SYSTEM "Windows"
#elif defined(__APPLE__)
#define KORVEL_SYSTEM "macOS"
#elif defined(__FreeBSD__)
#define KORVEL_SYSTEM "FreeBSD"
#else
#define KORVEL_SYSTEM "Unix"
#endif

// Begins with a blank, which the box shows after "Version:".
inline constexpr const char* kVersionText = " 1.0 (" KORVEL_SYSTEM ")";

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
