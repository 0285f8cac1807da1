// SPDX-License-Identifier: GPL-3.0-or-later
// The tables themselves: the File, Edit, Show, Teams, Configure and Help menus, the hint
// of each command, the keys, and the buttons in the order of the groups.
#include "app/frame_resources.h"

#include "app/command_ids.h"

namespace {

constexpr MenuItem Item(std::string_view text, int id) { return {MenuItem::Command, text, id, {}}; }
constexpr MenuItem Separator() { return {MenuItem::Separator, {}, 0, {}}; }
constexpr MenuItem Popup(std::string_view text, std::span<const MenuItem> items) {
    return {MenuItem::Popup, text, 0, items};
}

constexpr MenuItem kFileMenu[] = {
    Item("&Save results", CM_FILESAVE),
    Separator(),
    Item("&Exit", CM_FILEEXIT),
};

constexpr MenuItem kEditMenu[] = {
    Item("&Match result", CM_EDITRESULT),
    Separator(),
    Item("&Clear all", CM_EDITCLEAR),
};

constexpr MenuItem kShowMenu[] = {
    Item("&Standings", CM_SHOWSTAND),
    Item("S&chedule", CM_SHOWSCHEMA),
    Separator(),
    Item("S&tadions", CM_SHOWINTRO),
};

// Alphabetical by English name, unlike the buttons, which follow the groups.
constexpr MenuItem kTeamsMenu[] = {
    Item("Bulgaria", CM_TEAMBULGARIJE),
    Item("Croatia", CM_TEAMKROATIE),
    Item("Czech Republic", CM_TEAMTSJECHIE),
    Item("Danmark", CM_TEAMDENEMARKEN),
    Item("England", CM_TEAMENGELAND),
    Item("France", CM_TEAMFRANKRIJK),
    Item("Germany", CM_TEAMDUITSLAND),
    Item("Italy", CM_TEAMITALIE),
    Item("Netherlands", CM_TEAMNEDERLAND),
    Item("Portugal", CM_TEAMPORTUGAL),
    Item("Romenia", CM_TEAMROEMENIE),
    Item("Russia", CM_TEAMRUSLAND),
    Item("Scotland", CM_TEAMSCHOTLAND),
    Item("Spain", CM_TEAMSPANJE),
    Item("Switzerland", CM_TEAMZWITSERLAND),
    Item("Turkey", CM_TEAMTURKIJE),
    Separator(),
    Item("Previous winners", CM_PRINTPREVIOUS),
};

constexpr MenuItem kTimeZoneMenu[] = {
    Item("American Pacific (UTC - 7)", CM_UTCMIN7),
    Item("American Mountain (UTC - 6)", CM_UTCMIN6),
    Item("American Central (UTC - 5)", CM_UTCMIN5),
    Item("American East (UTC - 4)", CM_UTCMIN4),
    Item("Western Europe (UTC +1)", CM_UTCPLUS1),
    Item("Central Europe (UTC +2)", CM_UTCPLUS2),
    Item("Eastern Europe (UTC + 3)", CM_UTCPLUS3),
    Separator(),
    Item("Other", CM_TIMEZONEOTHER),
};

constexpr MenuItem kConfigureMenu[] = {
    Item("&Show tie-breaker results", CM_TOGGLETIEBREAKER),
    Separator(),
    Popup("&Time zone", kTimeZoneMenu),
};

constexpr MenuItem kHelpMenu[] = {
    Item("&Help", CM_HELP),
    Separator(),
    Item("&About", CM_ABOUT),
};

constexpr MenuItem kMenuBar[] = {
    Popup("&File", kFileMenu),           Separator(), Popup("&Edit", kEditMenu),   Separator(),
    Popup("&Show", kShowMenu),           Separator(), Popup("&Teams", kTeamsMenu), Separator(),
    Popup("&Configure", kConfigureMenu), Separator(), Popup("&Help", kHelpMenu),
};

constexpr HintString kHints[] = {
    {CM_FILESAVE, "Save entered match results"},
    {CM_EDITRESULT, "Enter/edit match result"},
    {CM_ABOUT, "About this program"},
    {CM_SHOWSCHEMA, "Show tournament schedule"},
    {CM_SHOWSTAND, "Show tournament standings"},
    {CM_EDITCLEAR, "Clear all entered match results"},
    {CM_SHOWINTRO, "Show tournament cities and team flags"},
    {CM_HELP, "Help on Korvel"},
    {CM_FILEEXIT, "Leave Korvel"},
    {CM_TOGGLETIEBREAKER, "Show/hide tie-breaker results"},
    {CM_TEAMNEDERLAND, "Show info on the Netherlands"},
    {CM_TEAMPORTUGAL, "Show info on Portugal"},
    {CM_TEAMBULGARIJE, "Show info on Bulgaria"},
    {CM_TEAMKROATIE, "Show info on Croatia"},
    {CM_TEAMTSJECHIE, "Show info on Czech Republic"},
    {CM_TEAMDENEMARKEN, "Show info on Danmark"},
    {CM_TEAMENGELAND, "Show info on England"},
    {CM_TEAMFRANKRIJK, "Show info on France"},
    {CM_TEAMDUITSLAND, "Show info on Germany"},
    {CM_TEAMITALIE, "Show info on Italy"},
    {CM_TEAMROEMENIE, "Show info on Romenia"},
    {CM_TEAMRUSLAND, "Show info on Russia"},
    {CM_TEAMSCHOTLAND, "Show info on Scotland"},
    {CM_TEAMSPANJE, "Show info on Spain"},
    {CM_TEAMZWITSERLAND, "Show info on Switzerland"},
    {CM_TEAMTURKIJE, "Show info on Turkey"},
    {CM_PRINTPREVIOUS, "Show Previous winners"},
};

constexpr Accelerator kAccelerators[] = {
    {9, Accelerator::Alt, CM_FILEEXIT},
};

constexpr int kGap = 6;

constexpr TGadget Button(int id) { return TButtonGadget(id, id); }

// The team buttons follow team-index order, group A to D.
constexpr TGadget kButtonBar[] = {
    Button(CM_FILESAVE),        TSeparatorGadget(kGap),   Button(CM_EDITRESULT),
    TSeparatorGadget(kGap),     Button(CM_EDITCLEAR),     TSeparatorGadget(kGap),
    Button(CM_SHOWSTAND),       Button(CM_SHOWSCHEMA),    TSeparatorGadget(kGap),
    Button(CM_SHOWINTRO),       TSeparatorGadget(kGap),   Button(CM_TEAMENGELAND),
    Button(CM_TEAMZWITSERLAND), Button(CM_TEAMNEDERLAND), Button(CM_TEAMSCHOTLAND),
    Button(CM_TEAMSPANJE),      Button(CM_TEAMBULGARIJE), Button(CM_TEAMROEMENIE),
    Button(CM_TEAMFRANKRIJK),   Button(CM_TEAMDUITSLAND), Button(CM_TEAMTSJECHIE),
    Button(CM_TEAMITALIE),      Button(CM_TEAMRUSLAND),   Button(CM_TEAMDENEMARKEN),
    Button(CM_TEAMPORTUGAL),    Button(CM_TEAMTURKIJE),   Button(CM_TEAMKROATIE),
    TSeparatorGadget(kGap),     Button(CM_HELP),          Button(CM_ABOUT),
};

// The keys people expect from a desktop program, for commands the menus already have
// (the same handlers, so Ctrl+Q asks and ends exactly as "&Exit" does), for undo and
// redo of the results, and for print and export, which the toolkit does with the
// current view.
constexpr FrameShortcut kShortcuts[] = {
    {"F1", FrameShortcut::Command, CM_HELP},
    {"Ctrl+S", FrameShortcut::Command, CM_FILESAVE},
    {"Ctrl+Q", FrameShortcut::Command, CM_FILEEXIT},
    {"Ctrl+Z", FrameShortcut::Command, CM_EDITUNDO},
    {"Ctrl+Shift+Z", FrameShortcut::Command, CM_EDITREDO},
    {"Ctrl+Y", FrameShortcut::Command, CM_EDITREDO},
    {"Ctrl+P", FrameShortcut::Print, 0},
    {"Ctrl+Shift+P", FrameShortcut::PrintPreview, 0},
    {"Ctrl+E", FrameShortcut::Export, 0},
    {"F9", FrameShortcut::Chances, 0},
};

} // namespace

std::span<const MenuItem> MainMenu() { return kMenuBar; }
std::span<const HintString> HintStrings() { return kHints; }
std::span<const Accelerator> Accelerators() { return kAccelerators; }
std::span<const TGadget> ButtonBar() { return kButtonBar; }
std::span<const FrameShortcut> FrameShortcuts() { return kShortcuts; }
