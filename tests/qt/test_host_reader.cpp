// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets on the canvas: the views' children, tables and text in
// reading order, the caret the keys walk line by line, and the schedule's matches as
// buttons that open the result dialog.
#include "dialogs/templates.h"
#include "host_test.h"
#include "platform/qt/accessibility/canvas_accessible.h"
#include "tournaments.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class ReaderTest : public HostTest {
  protected:
    ReaderTest() { FullTournament(Client()); }

    // The canvas as a reader finds it; the first question starts the recording.
    QAccessibleInterface* Face() {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window_->Canvas());
        const int renders = window_->RenderCount();
        window_->RunPendingRenders();
        EXPECT_EQ(window_->RenderCount(), renders) << "the face alone records nothing";
        EXPECT_EQ(face->childCount(), 0);
        window_->RunPendingRenders();
        EXPECT_EQ(window_->RenderCount(), renders + 1) << "the question asks for a render";
        return face;
    }

    static std::vector<std::string> Names(QAccessibleInterface* face) {
        std::vector<std::string> names;
        for (int i = 0; i < face->childCount(); ++i)
            names.push_back(face->child(i)->text(QAccessible::Name).toStdString());
        return names;
    }
};

TEST_F(ReaderTest, StandingsReadTheChampionThenEachGroupInOrder) {
    Show();
    window_->RunPendingRenders();
    QAccessibleInterface* face = Face();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Document);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Standings"));
    const std::vector<std::string> names = Names(face);
    const std::vector<std::string> expected = {
        "European Champion 1996 trophy",
        "European Champion 1996",
        "Germany flag",
        "Germany",
        "Group A", // the heading
        "Group A", // the table
        "Group B",
    };
    ASSERT_GE(names.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + expected.size()), expected);
    EXPECT_EQ(face->child(2)->role(), QAccessible::Graphic);
    EXPECT_EQ(face->child(3)->role(), QAccessible::StaticText);
    EXPECT_EQ(face->child(4)->role(), QAccessible::Heading);
    // Each child stands where it is drawn: "Group A" at (10, 10) of the canvas.
    EXPECT_EQ(face->child(4)->rect().topLeft(), window_->Canvas()->mapToGlobal(QPoint(10, 10)));
    // The champion's box covers group D's heading and most of its rows: they are read
    // from the results all the same, under their own heading.
    const auto at = [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    // A group is a table: a reader goes cell by cell and hears each column's header.
    struct Cell {
        int child, row, column;
        const char* text;
        const char* header;
    };
    const auto groupD = static_cast<int>(at("Group D"));
    const Cell cells[] = {
        {5, 0, 0, "England", "team"},
        {5, 0, 1, "3", "played"},
        {5, 0, 5, "7", "points"},
        {5, 0, 6, "+5", "goal difference"},
        {5, 3, 0, "Switzerland", "team"},
        {5, 3, 7, "1-4", "goals"},
        {groupD + 1, 0, 0, "Portugal", "team"},
        {groupD + 1, 0, 7, "5-1", "goals"},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.text);
        QAccessibleInterface* table = face->child(c.child);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->role(), QAccessible::Table);
        QAccessibleTableInterface* grid = table->tableInterface();
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(std::pair(grid->rowCount(), grid->columnCount()), std::pair(4, 8));
        EXPECT_EQ(grid->columnDescription(c.column).toStdString(), c.header);
        QAccessibleInterface* cell = grid->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), c.text);
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        const QList<QAccessibleInterface*> headers =
            cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1);
        EXPECT_EQ(headers[0]->text(QAccessible::Name).toStdString(), c.header);
        EXPECT_EQ(cell->parent(), table);
    }
    // The tree as matches, round by round, last in the view.
    const std::vector<std::string> tree = {
        "Quarter-finals",
        "Quarter-final 1: Spain 0, England 0, England through",
        "Quarter-final 2: France 1, Netherlands 0, France through",
        "Quarter-final 3: Germany 2, Croatia 1, Germany through",
        "Quarter-final 4: Czech Rep. 1, Portugal 0, Czech Rep. through",
        "Semi-finals",
        "Semi-final 1: France 0, Czech Rep. 1, Czech Rep. through",
        "Semi-final 2: England 0, Germany 1, Germany through",
        "Final",
        "Final: Germany 2, Czech Rep. 1, Germany European Champion",
    };
    ASSERT_GE(names.size(), tree.size());
    EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<long>(tree.size()), names.end()),
              tree);
    // The whole view as one text, a line per child, in one run of attributes: a reader
    // that joins the runs reads every line to its end.
    QAccessibleTextInterface* text = face->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()).left(92).toStdString(),
              "European Champion 1996 trophy\nEuropean Champion 1996\nGermany flag\nGermany\n"
              "Group A\nEngland, 3");
    for (int offset : {0, 40, text->characterCount() - 1}) {
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, text->characterCount())) << offset;
    }
}

TEST_F(ReaderTest, TreeSaysWhatIsNotDecidedYet) {
    Client().WedstrijdSchema();
    Show();
    window_->RunPendingRenders();
    const std::vector<std::string> names = Names(Face());
    for (const char* line :
         {"Quarter-final 1: Bulgaria, England, provisional",
          "Semi-final 1: to be decided, to be decided", "Final: to be decided, to be decided"})
        EXPECT_NE(std::find(names.begin(), names.end(), line), names.end()) << line;
}

TEST_F(ReaderTest, TheViewHasTheKeyboardAndItsCaretWalksTheLines) {
    Show();
    window_->RunPendingRenders();
    QAccessibleInterface* face = Face();
    QAccessibleTextInterface* text = face->textInterface();
    QWidget* canvas = window_->Canvas();
    ASSERT_TRUE(RunUntil([&] { return canvas->hasFocus(); })) << "the view starts with the keys";
    EXPECT_EQ(canvas->focusPolicy() & Qt::TabFocus, Qt::TabFocus) << "and is a Tab stop";
    const auto lineAt = [&] {
        const QString all = text->text(0, text->characterCount());
        const int from = text->cursorPosition();
        return all.mid(from, all.indexOf(QLatin1Char('\n'), from) - from).toStdString();
    };
    struct Step {
        Qt::Key key;
        const char* line;
    };
    const char* france =
        "France, 3 played, 2 won, 1 drawn, 0 lost, 7 points, goal difference +3, 5-2";
    const Step steps[] = {
        {Qt::Key_Down, "European Champion 1996"},
        {Qt::Key_PageDown, "Group A"},
        {Qt::Key_PageDown, "Group B"},
        {Qt::Key_Down, france},
        {Qt::Key_Right, france},
        {Qt::Key_Right, france},
        {Qt::Key_Left, france},
        {Qt::Key_End, "Final: Germany 2, Czech Rep. 1, Germany European Champion"},
        {Qt::Key_Right, "Final: Germany 2, Czech Rep. 1, Germany European Champion"},
        {Qt::Key_PageUp, "Final"},
        {Qt::Key_Up, "Semi-final 2: England 0, Germany 1, Germany through"},
        {Qt::Key_Home, "European Champion 1996 trophy"},
        {Qt::Key_Up, "European Champion 1996 trophy"},
    };
    // What the reader is told beside the caret's lines: Left and Right on a table row say
    // its cells with their headers.
    std::vector<std::string> said;
    for (const Step& step : steps) {
        QTest::keyClick(canvas, step.key);
        EXPECT_EQ(lineAt(), step.line) << QKeySequence(step.key).toString().toStdString();
        if (const std::string now = LastSaid(canvas).toStdString();
            said.empty() || now != said.back())
            said.push_back(now);
    }
    EXPECT_EQ(said, (std::vector<std::string>{"", "played 3", "won 2", "played 3"}));

    // A new view starts at its top; Enter on a match line opens its dialog, and after it
    // the view has the keys back with the caret where it was.
    Client().CmShowSchema();
    window_->RunPendingRenders();
    EXPECT_EQ(text->cursorPosition(), 0);
    for (int i = 0; i < 40 && !lineAt().starts_with("9, "); ++i)
        QTest::keyClick(canvas, Qt::Key_Down);
    const std::string line = lineAt();
    ModalScript script;
    QString teams;
    script.Then([&](QWidget& dialog) {
        teams = dialog.accessibleDescription();
        Type(dialog, 306, "4");
        Button(dialog, IDOK)->click();
    });
    QTest::keyClick(canvas, Qt::Key_Return);
    ASSERT_TRUE(RunUntil([&] { return script.Done() && !QApplication::activeModalWidget(); }));
    window_->RunPendingRenders();
    ASSERT_EQ(line.substr(0, 25), "9, 1530, Spain - Bulgaria");
    EXPECT_TRUE(teams.startsWith(QStringLiteral("Spain - Bulgaria, 9 June, 15:30, ")))
        << teams.toStdString();
    EXPECT_TRUE(RunUntil([&] { return canvas->hasFocus(); }));
    EXPECT_EQ(lineAt().substr(0, 20), line.substr(0, 20));
    EXPECT_NE(lineAt(), line) << "the new score is read on the same line";
    EXPECT_TRUE(LastSaid(canvas).startsWith(QStringLiteral("Spain 4, Bulgaria 1. Group B: ")))
        << LastSaid(canvas).toStdString();
}

TEST_F(ReaderTest, ScheduleMatchesArePressableAndOpenTheResultDialogAfterThePress) {
    Show();
    window_->RunPendingRenders();
    QAccessibleInterface* face = Face();
    Client().CmShowSchema();
    window_->RunPendingRenders();
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Schedule"));
    std::vector<QAccessibleInterface*> buttons;
    for (int i = 0; i < face->childCount(); ++i)
        if (face->child(i)->role() == QAccessible::Button)
            buttons.push_back(face->child(i));
    ASSERT_EQ(buttons.size(), 31u);
    EXPECT_EQ(buttons[0]->text(QAccessible::Name).toStdString(),
              "8, 1600, England - Switzerland, 1-1");
    EXPECT_EQ(buttons[30]->text(QAccessible::Name).toStdString(),
              "30, 2000, Germany - Czech Rep., 2-1");

    ModalScript script;
    QString teams;
    script.Then([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter match result"));
        teams = dialog.findChild<QLabel*>(QStringLiteral("control304"))->text() + " - " +
                dialog.findChild<QLabel*>(QStringLiteral("control305"))->text();
        Type(dialog, 306, "3");
        Button(dialog, IDOK)->click();
    });
    QAccessibleActionInterface* action = buttons[0]->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the press must return first";
    // A second press before the dialog is up must not stack a second dialog on it.
    action->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(RunUntil([&] { return script.Done() && !window_->Host().RenderPending(); }));
    EXPECT_EQ(teams, QStringLiteral("England - Switzerland"));
    EXPECT_EQ(Client().Wedstrijd[0].score1, 3);
    // The reader finds the new score once the schedule is drawn again.
    window_->RunPendingRenders();
    EXPECT_EQ(face->child(0)->role() == QAccessible::Button
                  ? face->child(0)->text(QAccessible::Name).toStdString()
                  : std::string(),
              "8, 1600, England - Switzerland, 3-1");
}

} // namespace
