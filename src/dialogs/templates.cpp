// SPDX-License-Identifier: GPL-3.0-or-later
// The three dialog templates themselves: each control's kind, text and place in dialog
// units.
#include "dialogs/templates.h"

namespace {

using K = ControlKind;

constexpr DialogControl kResultControls[] = {
    {301, K::Static, "00", 15, 10, 10, 10},         {-1, K::Static, "june", 30, 10, 15, 10},
    {302, K::Static, "0000", 55, 10, 20, 10},       {303, K::Static, "Text", 15, 30, 170, 10},
    {304, K::Static, "Denemarken", 15, 60, 45, 10}, {-1, K::Static, "-", 70, 60, 5, 10},
    {305, K::Static, "Text", 75, 60, 45, 10},       {306, K::Edit, "0", 125, 60, 20, 10},
    {-1, K::Static, "-", 150, 60, 5, 10},           {307, K::Edit, "0", 160, 60, 20, 10},
    {1, K::DefaultButton, "OK", 30, 95, 50, 15},    {2, K::Button, "Cancel", 110, 95, 50, 15},
    {-1, K::Static, "hour", 75, 10, 20, 10},
};

constexpr DialogControl kAboutControls[] = {
    {1, K::DefaultButton, "OK", 75, 100, 50, 15},
    {-1, K::Static, "Korvel", 55, 10, 35, 10},
    {150, K::Icon, "", 20, 13, 18, 20},
    {-1, K::Static, "Version:", 55, 25, 25, 10},
    {401, K::Static, "versnienummer", 85, 25, 110, 10},
    {-1, K::Static, "Written for fans of the 1996 European Championship.", 20, 45, 175, 10},
    {-1, K::Static, "Enter the scores, and the tables and the tree follow.", 20, 60, 175, 10},
    {-1, K::Static, "Made by:", 20, 80, 50, 10},
    {-1, K::Static, "the Korvel developers", 75, 80, 120, 10},
};

constexpr DialogControl kTimeZoneControls[] = {
    {-1, K::Static, "Enter your time zone", 20, 10, 90, 10},
    {-1, K::Static, "+100", 20, 35, 20, 10},
    {-1, K::Static, "for UTC + 1 hour", 45, 35, 65, 10},
    {-1, K::Static, "-130", 20, 50, 20, 10},
    {-1, K::Static, "for UTC minus one hour 30 minutes", 45, 50, 120, 10},
    {-1, K::Static, "UTC +/-", 50, 70, 30, 10},
    {101, K::Edit, "", 90, 70, 30, 10},
    {1, K::DefaultButton, "OK", 35, 96, 50, 15},
    {2, K::Button, "Cancel", 110, 95, 50, 15},
};

constexpr DialogTemplate kResult{kResultDialog, "Enter match result", "DejaVu Sans", 9, 6, 15, 194,
                                 119,           kResultControls};
constexpr DialogTemplate kAbout{kAboutDialog, "About Korvel", "DejaVu Sans", 9, 80, 50, 200,
                                120,          kAboutControls};
constexpr DialogTemplate kTimeZone{
    kTimeZoneDialog, "Enter your time zone", "DejaVu Sans", 9, 0, 0, 194, 119, kTimeZoneControls};

} // namespace

const DialogTemplate* FindTemplate(int resId) {
    for (const DialogTemplate* t : {&kResult, &kAbout, &kTimeZone})
        if (t->resId == resId)
            return t;
    return nullptr;
}
