// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/templates.h"
#include "korvel_version.h"
#include "platform/dialog.h"

#include <array>

// The system Korvel was built for, and so runs on, as the about box names it.
#if defined(__linux__)
#define KORVEL_SYSTEM "Linux"
#elif defined(__APPLE__)
#define KORVEL_SYSTEM "macOS"
#elif defined(__FreeBSD__)
#define KORVEL_SYSTEM "FreeBSD"
#else
#define KORVEL_SYSTEM "Unix"
#endif

// Begins with a blank, which the box shows after "Version:".
inline constexpr const char* kVersionText = " " KORVEL_VERSION " (" KORVEL_SYSTEM ")";

// The about box, template 400.
class AboutDlg : public TDialog {
  public:
    AboutDlg(const char* tb, TWindow* parent, int resId);
    ~AboutDlg() override;
    void SetupWindow() override;

  private:
    std::array<char, 40> buffer{};
    TStatic* tVERSION = nullptr;
};
