// SPDX-License-Identifier: GPL-3.0-or-later
// The group tables of the views as tables a screen reader walks cell by cell.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QStringList>

#include <vector>

class QWidget;

// A table of the canvas (a group's standings) as a screen reader's table: its rows of
// cells under column headers, so that a reader moves cell by cell and hears the header.
struct CanvasTableRows {
    QString name;
    QStringList headers;
    std::vector<QStringList> rows;
    std::vector<QRect> rects; // each row's place on the canvas
};

// Puts the table, its headers and its cells in Qt's accessibility cache; the id deletes
// them all. The table's parent is the canvas.
QAccessible::Id RegisterCanvasTable(QWidget* canvas, CanvasTableRows rows);
