// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include <initializer_list>
#include <string>

// An icon of pictures built into the program (pictures.h, by name), which become
// pixmaps when it is first drawn, not when it is made: the button bar's two dozen icons
// cost the start-up nothing until the bar is painted. A name the program has no picture
// for is left out.
QIcon LazyIcon(std::initializer_list<std::string> pictures);
