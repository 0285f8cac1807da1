// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' templates, found by resource id: the result, About and time zone dialogs.
#pragma once

#include "platform/dialog.h"

inline constexpr int kResultDialog = 300;
inline constexpr int kAboutDialog = 400;
inline constexpr int kTimeZoneDialog = 521;

// The dialog template with a resource id, in dialog units; nullptr when there is none.
const DialogTemplate* FindTemplate(int resId);
