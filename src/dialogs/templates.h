#pragma once

#include "platform/dialog.h"

inline constexpr int kResultDialog = 300;
inline constexpr int kAboutDialog = 400;
inline constexpr int kTimeZoneDialog = 521;

// The dialog templates by resource id, in dialog units.
const DialogTemplate& ResultTemplate();
const DialogTemplate& AboutTemplate();
const DialogTemplate& TimeZoneTemplate();
// The template with a resource id; nullptr when there is none.
const DialogTemplate* FindTemplate(int resId);
