// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QSize>

#include <span>
#include <string>

// A picture of an icon, built into the program (pictures.h), and the size it is drawn at.
struct IconFile {
    std::string picture;
    QSize size;
};

// An icon whose pictures become pixmaps when it is first drawn, not when it is made:
// the button bar's two dozen icons cost the start-up nothing until the bar is painted.
// Until then its sizes come from the caller.
QIcon LazyIcon(std::span<const IconFile> files);
