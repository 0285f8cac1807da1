// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's response table: which member answers a click, each command and the
// tie-breaker's enable query.
#include "app/command_ids.h"
#include "app/window/draw_window.h"

#include <array>

namespace {

using W = TDrawWindow;

template <void (W::*Handler)()> constexpr TResponseEntry Command(int id) {
    return {TMsg::Command, id, &CommandThunk<W, Handler>};
}

// The left mouse button comes first, then the commands, then the one enable query.
constexpr std::array kResponseTable{
    TResponseEntry{TMsg::LButtonDown, 0, &MouseThunk<W, &W::EvLButtonDown>},
    Command<&W::CmFileSave>(CM_FILESAVE),
    Command<&W::CmFileExit>(CM_FILEEXIT),
    Command<&W::CmEditClear>(CM_EDITCLEAR),
    Command<&W::CmEditResult>(CM_EDITRESULT),
    Command<&W::CmEditUndo>(CM_EDITUNDO),
    Command<&W::CmEditRedo>(CM_EDITREDO),
    Command<&W::CmShowStand>(CM_SHOWSTAND),
    Command<&W::CmShowSchema>(CM_SHOWSCHEMA),
    Command<&W::CmShowIntro>(CM_SHOWINTRO),
    Command<&W::CmTeamBulgarije>(CM_TEAMBULGARIJE),
    Command<&W::CmTeamKroatie>(CM_TEAMKROATIE),
    Command<&W::CmTeamTsjechie>(CM_TEAMTSJECHIE),
    Command<&W::CmTeamDenemarken>(CM_TEAMDENEMARKEN),
    Command<&W::CmTeamEngeland>(CM_TEAMENGELAND),
    Command<&W::CmTeamFrankrijk>(CM_TEAMFRANKRIJK),
    Command<&W::CmTeamDuitsland>(CM_TEAMDUITSLAND),
    Command<&W::CmTeamItalie>(CM_TEAMITALIE),
    Command<&W::CmTeamNederland>(CM_TEAMNEDERLAND),
    Command<&W::CmTeamPortugal>(CM_TEAMPORTUGAL),
    Command<&W::CmTeamRoemenie>(CM_TEAMROEMENIE),
    Command<&W::CmTeamRusland>(CM_TEAMRUSLAND),
    Command<&W::CmTeamSchotland>(CM_TEAMSCHOTLAND),
    Command<&W::CmTeamSpanje>(CM_TEAMSPANJE),
    Command<&W::CmTeamZwitserland>(CM_TEAMZWITSERLAND),
    Command<&W::CmTeamTurkije>(CM_TEAMTURKIJE),
    Command<&W::CmPrintPrevious>(CM_PRINTPREVIOUS),
    Command<&W::CmToggleTieBreaker>(CM_TOGGLETIEBREAKER),
    Command<&W::CmUtcMin7>(CM_UTCMIN7),
    Command<&W::CmUtcMin6>(CM_UTCMIN6),
    Command<&W::CmUtcMin5>(CM_UTCMIN5),
    Command<&W::CmUtcMin4>(CM_UTCMIN4),
    Command<&W::CmUtcPlus1>(CM_UTCPLUS1),
    Command<&W::CmUtcPlus2>(CM_UTCPLUS2),
    Command<&W::CmUtcPlus3>(CM_UTCPLUS3),
    Command<&W::CmTimeZoneOther>(CM_TIMEZONEOTHER),
    Command<&W::CmHelp>(CM_HELP),
    Command<&W::CmAbout>(CM_ABOUT),
    TResponseEntry{TMsg::CommandEnable, CM_TOGGLETIEBREAKER,
                   &EnablerThunk<W, &W::CeToggleTieBreaker>},
};

} // namespace

bool TDrawWindow::Find(TEventInfo& eventInfo) {
    for (const TResponseEntry& entry : kResponseTable) {
        if (entry.msg == eventInfo.msg && entry.id == eventInfo.id) {
            eventInfo.entry = &entry;
            return true;
        }
    }
    return TWindow::Find(eventInfo);
}
