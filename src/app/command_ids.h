// SPDX-License-Identifier: GPL-3.0-or-later
// The ids of the main window's commands, which its menus, buttons, hints, keys and
// response table all share.
#pragma once

// A command's id is also the id of its button glyph and of its status-bar hint.
enum CommandId : int {
    CM_FILESAVE = 101,
    CM_EDITRESULT = 102,
    CM_ABOUT = 103,
    CM_SHOWSCHEMA = 104,
    CM_SHOWSTAND = 105,
    CM_EDITCLEAR = 106,
    CM_SHOWINTRO = 107,
    CM_HELP = 108,
    CM_FILEEXIT = 109,
    CM_TOGGLETIEBREAKER = 110,
    CM_TEAMNEDERLAND = 111,
    CM_TEAMPORTUGAL = 112,
    CM_TEAMBULGARIJE = 113,
    CM_TEAMKROATIE = 114,
    CM_TEAMTSJECHIE = 115,
    CM_TEAMDENEMARKEN = 116,
    CM_TEAMENGELAND = 117,
    CM_TEAMFRANKRIJK = 118,
    CM_TEAMDUITSLAND = 119,
    CM_TEAMITALIE = 120,
    CM_TEAMROEMENIE = 121,
    CM_TEAMRUSLAND = 122,
    CM_TEAMSCHOTLAND = 123,
    CM_TEAMSPANJE = 124,
    CM_TEAMZWITSERLAND = 125,
    CM_TEAMTURKIJE = 126,
    CM_PRINTPREVIOUS = 127,
    CM_UTCPLUS1 = 128,
    CM_UTCPLUS2 = 129,
    CM_UTCPLUS3 = 130,
    CM_UTCMIN7 = 131,
    CM_UTCMIN6 = 132,
    CM_UTCMIN5 = 133,
    CM_UTCMIN4 = 134,
    CM_TIMEZONEOTHER = 135,
    // Keys only, in no menu.
    CM_EDITUNDO = 136,
    CM_EDITREDO = 137,
};

inline constexpr int kIconId = 150;
inline constexpr int kMenuId = 100;
