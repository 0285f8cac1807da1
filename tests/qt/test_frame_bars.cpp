// SPDX-License-Identifier: GPL-3.0-or-later
// The frame built from the program's description: menu tree, accelerator, status-bar
// hints, check marks and the button bar.
#include "app/command_ids.h"
#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "platform/qt/frame/frame_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <string>
#include <vector>

namespace {

class FrameTest : public ::testing::Test {
  protected:
    FrameTest() {
        app_.InitMainWindow();
        Client().FirstTime = 0; // no welcome box: these tests are about the bars
        window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
    }

    TDrawWindow& Client() { return static_cast<TDrawWindow&>(app_.GetMainWindow()->Client()); }

    void Show() {
        window_->ShowMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_->Window()));
        window_->RunPendingRenders();
    }

    QMenu* TopMenu(const QString& title) const {
        for (QAction* action : window_->MenuBar()->actions())
            if (action->menu() && action->text() == title)
                return action->menu();
        return nullptr;
    }

    QAction* ItemOf(QMenu* menu, int id) const {
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu() && action->data().toInt() == id)
                return action;
        return nullptr;
    }

    QString Status() const { return window_->StatusBar()->currentMessage(); }

    TDrawApp app_;
    std::unique_ptr<QtFrameWindow> window_;
};

// One line per entry: popups and items indented by depth, "-" for a separator,
// " #id" after a command.
void Flatten(const QList<QAction*>& actions, int depth, std::vector<std::string>& lines) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            lines.push_back(indent + "-");
        } else if (QMenu* menu = action->menu()) {
            lines.push_back(indent + action->text().toStdString());
            Flatten(menu->actions(), depth + 1, lines);
        } else {
            lines.push_back(indent + action->text().toStdString() + " #" +
                            std::to_string(action->data().toInt()));
        }
    }
}

TEST_F(FrameTest, MenuTreeHasEveryPopupItemAndSeparatorOfTheProgramsMenu) {
    const std::vector<std::string> expected = {
        "&File",
        "  &Save results #101",
        "  -",
        "  &Exit #109",
        "-",
        "&Edit",
        "  &Match result #102",
        "  -",
        "  &Clear all #106",
        "-",
        "&Show",
        "  &Standings #105",
        "  S&chedule #104",
        "  -",
        "  S&tadions #107",
        "-",
        "&Teams",
        "  Bulgaria #113",
        "  Croatia #114",
        "  Czech Republic #115",
        "  Danmark #116",
        "  England #117",
        "  France #118",
        "  Germany #119",
        "  Italy #120",
        "  Netherlands #111",
        "  Portugal #112",
        "  Romenia #121",
        "  Russia #122",
        "  Scotland #123",
        "  Spain #124",
        "  Switzerland #125",
        "  Turkey #126",
        "  -",
        "  Previous winners #127",
        "-",
        "&Configure",
        "  &Show tie-breaker results #110",
        "  -",
        "  &Time zone",
        "    American Pacific (UTC - 7) #131",
        "    American Mountain (UTC - 6) #132",
        "    American Central (UTC - 5) #133",
        "    American East (UTC - 4) #134",
        "    Western Europe (UTC +1) #128",
        "    Central Europe (UTC +2) #129",
        "    Eastern Europe (UTC + 3) #130",
        "    -",
        "    Other #135",
        "-",
        "&Help",
        "  &Help #108",
        "  -",
        "  &About #103",
    };
    std::vector<std::string> actual;
    Flatten(window_->MenuBar()->actions(), 0, actual);
    EXPECT_EQ(actual, expected);
}

TEST_F(FrameTest, MenuCommandsReachTheClient) {
    struct Case {
        int id;
        int schermType;
    };
    const Case cases[] = {{CM_SHOWSCHEMA, 1}, {CM_SHOWINTRO, 2}, {CM_SHOWSTAND, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_NE(window_->MenuAction(c.id), nullptr);
        window_->MenuAction(c.id)->trigger();
        EXPECT_EQ(Client().SchermType, c.schermType);
    }
    // The team buttons send their commands too.
    for (QAction* action : window_->ButtonBar()->actions()) {
        if (action->data().toInt() == CM_TEAMZWITSERLAND) {
            action->trigger();
            EXPECT_EQ(Client().SchermType, 3);
            EXPECT_EQ(Client().TeamToShow, 1);
        }
    }
}

TEST_F(FrameTest, AltF9IsTheExitCommandsShortcutAndEndsTheLoop) {
    QAction* exit = window_->MenuAction(CM_FILEEXIT);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F9));

    Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
    // Nothing to save: Exit quits at once with status 0.
    QTimer::singleShot(0, &window_->Window(), [this] {
        QTest::keyClick(&window_->Window(), Qt::Key_F9, Qt::AltModifier);
    });
    QTimer guard; // dies with the test: a late exit would end some later test's loop
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(FrameTest, HighlightedMenuItemShowsItsHint) {
    Show();
    struct Case {
        const char* menu;
        int id;
        const char* hint;
    };
    const Case cases[] = {
        {"&Show", CM_SHOWSTAND, "Show tournament standings"},
        {"&File", CM_FILEEXIT, "Leave Korvel"},
        {"&Teams", CM_TEAMNEDERLAND, "Show info on the Netherlands"},
        {"&Configure", CM_TOGGLETIEBREAKER, "Show/hide tie-breaker results"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        QMenu* menu = TopMenu(QString::fromLatin1(c.menu));
        ASSERT_NE(menu, nullptr);
        window_->MenuBar()->setActiveAction(menu->menuAction());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
        menu->setActiveAction(ItemOf(menu, c.id));
        EXPECT_EQ(Status(), QString::fromLatin1(c.hint));
        menu->hide();
    }
}

TEST_F(FrameTest, TimeZoneItemsAndPopupTitlesClearTheStatusBar) {
    Show();
    QMenu* configure = TopMenu(QStringLiteral("&Configure"));
    ASSERT_NE(configure, nullptr);
    window_->MenuBar()->setActiveAction(configure->menuAction());
    ASSERT_TRUE(QTest::qWaitFor([configure] { return configure->isVisible(); }, 2000));

    configure->setActiveAction(ItemOf(configure, CM_TOGGLETIEBREAKER));
    ASSERT_FALSE(Status().isEmpty());
    QAction* timeZone = nullptr;
    for (QAction* action : configure->actions())
        if (action->menu())
            timeZone = action;
    ASSERT_NE(timeZone, nullptr);
    configure->setActiveAction(timeZone);
    EXPECT_EQ(Status(), QString()) << "popup title";

    QMenu* zones = timeZone->menu();
    zones->popup(configure->geometry().topRight());
    ASSERT_TRUE(QTest::qWaitFor([zones] { return zones->isVisible(); }, 2000));
    for (int id : {CM_UTCPLUS2, CM_TIMEZONEOTHER}) {
        SCOPED_TRACE(id);
        configure->setActiveAction(ItemOf(configure, CM_TOGGLETIEBREAKER));
        ASSERT_FALSE(Status().isEmpty());
        zones->setActiveAction(ItemOf(zones, id));
        EXPECT_EQ(Status(), QString());
    }
    zones->hide();
    configure->hide();
}

TEST_F(FrameTest, HoveringAButtonShowsItsHint) {
    Show();
    struct Case {
        int id;
        const char* hint;
    };
    const Case cases[] = {
        {CM_TEAMZWITSERLAND, "Show info on Switzerland"},
        {CM_FILESAVE, "Save entered match results"},
        {CM_ABOUT, "About this program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        QWidget* button = nullptr;
        for (QAction* action : window_->ButtonBar()->actions())
            if (action->data().toInt() == c.id)
                button = window_->ButtonBar()->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        QTest::mouseMove(window_->Canvas(), QPoint(300, 300));
        QTest::mouseMove(button);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Status() == QString::fromLatin1(c.hint); }, 2000))
            << "status bar shows \"" << Status().toStdString() << "\"";
    }
    // Leaving the bar takes the hint away.
    QTest::mouseMove(window_->Canvas(), QPoint(300, 300));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Status().isEmpty(); }, 2000));
}

TEST_F(FrameTest, TieBreakerCheckMarkFollowsTheSettingEachTimeTheMenuOpens) {
    QMenu* configure = TopMenu(QStringLiteral("&Configure"));
    ASSERT_NE(configure, nullptr);
    QAction* toggle = ItemOf(configure, CM_TOGGLETIEBREAKER);
    ASSERT_NE(toggle, nullptr);

    auto openAndClose = [configure] {
        configure->popup(QPoint(10, 10));
        const bool shown = QTest::qWaitFor([configure] { return configure->isVisible(); }, 2000);
        configure->hide();
        return shown;
    };
    // The setting changes behind the menu's back (as a loaded file or the command would);
    // the mark is what the client says when the menu opens.
    struct Case {
        const char* how;
        std::function<void(TDrawWindow&)> change;
        bool checked;
    };
    const Case cases[] = {
        {"initially", [](TDrawWindow&) {}, false},
        {"switched on", [](TDrawWindow& w) { w.ShowTieBreaker = 1; }, true},
        {"switched off", [](TDrawWindow& w) { w.ShowTieBreaker = 0; }, false},
        {"toggled by command", [](TDrawWindow& w) { w.CmToggleTieBreaker(); }, true},
        {"toggled back", [](TDrawWindow& w) { w.CmToggleTieBreaker(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        c.change(Client());
        ASSERT_TRUE(openAndClose());
        EXPECT_EQ(toggle->isCheckable(), c.checked) << "a box only while the tick shows";
        EXPECT_EQ(toggle->isChecked(), c.checked);
        EXPECT_TRUE(toggle->isEnabled());
    }
    // Choosing the item flips the setting, and the next opening shows it.
    toggle->trigger();
    EXPECT_EQ(Client().ShowTieBreaker, 1);
    Client().ShowTieBreaker = 0;
    ASSERT_TRUE(openAndClose());
    EXPECT_FALSE(toggle->isChecked());

    // Commands without an enable handler stay plain.
    QMenu* file = TopMenu(QStringLiteral("&File"));
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }, 2000));
    for (QAction* action : file->actions()) {
        EXPECT_FALSE(action->isCheckable());
        EXPECT_FALSE(action->isChecked());
        EXPECT_TRUE(action->isEnabled());
    }
    file->hide();
}

TEST_F(FrameTest, ButtonBarOrderGlyphsAndGaps) {
    const std::vector<std::string> expected = {
        "101", "|",   "102", "|",   "106", "|",   "105", "104", "|",   "107",
        "|",   "117", "125", "111", "123", "124", "113", "121", "118", "119",
        "115", "120", "122", "116", "112", "126", "114", "|",   "108", "103",
    };
    QToolBar* bar = window_->ButtonBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isMovable());
    EXPECT_EQ(bar->iconSize(), QSize(20, 20));

    std::vector<std::string> actual;
    for (QAction* action : bar->actions()) {
        QWidget* widget = bar->widgetForAction(action);
        if (widget && widget->objectName() == QStringLiteral("gap")) {
            actual.push_back("|");
            EXPECT_EQ(widget->minimumWidth(), 6);
            EXPECT_EQ(widget->maximumWidth(), 6);
            continue;
        }
        const int id = action->data().toInt();
        actual.push_back(std::to_string(id));
        EXPECT_EQ(action->property("glyph").toInt(), id) << "glyph of " << id;
        EXPECT_FALSE(action->icon().isNull()) << "glyph " << id << " is not compiled in";
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(FrameTest, FrameTitleIconAndBars) {
    EXPECT_EQ(window_->Window().windowTitle(), QStringLiteral("Korvel"));
    EXPECT_FALSE(window_->Window().windowIcon().isNull());
    // The canvas scrolls in an area without a frame, where the views do not fit.
    const auto* scroller = qobject_cast<QScrollArea*>(window_->Window().centralWidget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->widget(), window_->Canvas());
    EXPECT_EQ(scroller->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(window_->Canvas()->objectName(), QStringLiteral("canvas"));
    EXPECT_NE(window_->StatusBar(), nullptr);
}

TEST_F(FrameTest, LeftClickOnTheScheduleOpensTheResultOfThatMatch) {
    // In the schedule a click on a match line edits that match: the click must arrive
    // in canvas pixels. The dialog is cancelled as soon as it opens.
    Show();
    window_->MenuAction(CM_SHOWSCHEMA)->trigger();
    window_->RunPendingRenders();
    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle();
            QTimer::singleShot(0, modal, [modal] { modal->close(); });
        }
    });
    poll.start(10);
    // The third line of the left column: match 2.
    QTest::mouseClick(window_->Canvas(), Qt::LeftButton, {}, QPoint(100, 2 * 15 + 7));
    poll.stop();
    EXPECT_EQ(title, QStringLiteral("Enter match result"));
    EXPECT_EQ(Client().WedstrijdNummer, 2);
}

} // namespace

namespace {

// A client with one enable handler that greys its command out and checks it.
class GreyingWindow : public TWindow {
  public:
    bool greyed = true;
    int commands = 0;

    bool Find(TEventInfo& info) override {
        static constexpr TResponseEntry kTable[] = {
            {TMsg::Command, 1, &CommandThunk<GreyingWindow, &GreyingWindow::Count>},
            {TMsg::Command, 2, &CommandThunk<GreyingWindow, &GreyingWindow::Count>},
            {TMsg::CommandEnable, 1, &EnablerThunk<GreyingWindow, &GreyingWindow::Enable>},
        };
        for (const TResponseEntry& entry : kTable) {
            if (entry.msg == info.msg && entry.id == info.id) {
                info.entry = &entry;
                return true;
            }
        }
        return false;
    }

  private:
    void Count() { ++commands; }
    void Enable(TCommandEnabler& enabler) {
        enabler.Enable(!greyed);
        enabler.SetCheck(TCommandEnabler::Checked);
    }
};

constexpr MenuItem kGreyItems[] = {
    {MenuItem::Command, "&Greyed", 1, {}},
    {MenuItem::Command, "&Plain", 2, {}},
};
constexpr MenuItem kGreyMenu[] = {{MenuItem::Popup, "&Test", 0, kGreyItems}};
constexpr HintString kGreyHints[] = {{1, "First hint"}, {2, "Second hint"}};

TEST(FrameMenus, EnableHandlersGreyOutAndCheckTheirCommandsEachTimeTheMenuOpens) {
    // This frame does not track menu selection: its items carry no hints.
    TDecoratedFrame frame(nullptr, "Test", std::make_unique<GreyingWindow>(), false);
    frame.AssignMenu(kGreyMenu);
    frame.SetHints(kGreyHints);
    auto& client = static_cast<GreyingWindow&>(frame.Client());
    QtFrameWindow window(frame);
    QMenu* menu = window.MenuBar()->actions().front()->menu();
    ASSERT_NE(menu, nullptr);
    QAction* greyedItem = window.MenuAction(1);
    QAction* plainItem = window.MenuAction(2);
    ASSERT_NE(greyedItem, nullptr);
    ASSERT_NE(plainItem, nullptr);

    for (const bool greyed : {true, false, true}) {
        SCOPED_TRACE(greyed ? "greyed" : "enabled");
        client.greyed = greyed;
        menu->popup(QPoint(10, 10));
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
        EXPECT_EQ(greyedItem->isEnabled(), !greyed);
        EXPECT_TRUE(greyedItem->isChecked());
        EXPECT_TRUE(plainItem->isEnabled());
        EXPECT_FALSE(plainItem->isChecked());
        menu->hide();
    }
    EXPECT_TRUE(greyedItem->statusTip().isEmpty());
    plainItem->trigger();
    EXPECT_EQ(client.commands, 1);
}

} // namespace
