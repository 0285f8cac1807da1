// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

#include <span>

// A picture file of an icon and the size it is drawn at.
struct IconFile {
    QString path;
    QSize size;
};

// An icon whose files are read when it is first drawn, not when it is made: QIcon's
// own addFile() decodes every file at once, which the button bar would pay for at
// every start-up. Until then its sizes come from the caller.
QIcon LazyIcon(std::span<const IconFile> files);
