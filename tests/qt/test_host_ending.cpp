// SPDX-License-Identifier: GPL-3.0-or-later
// How the program ends through the Qt host: the exit command and the close box with and
// without unsaved results, and every signal whose default ends a program, which keeps
// unsaved results aside in korvel.dat.unsaved.
#include "app/command_ids.h"
#include "host_test.h"
#include "platform/qt/session/ending.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>

#include <csignal>

namespace {

TEST_F(HostTest, QuitRequestFromACommandEndsTheLoopWithItsStatus) {
    Show();
    Client().MoetSaven = 1;
    ModalScript script;
    // Only the command's own question: the frame's close check is not asked on this way.
    script.Then(Press(QStringLiteral("Exit Korvel"), QMessageBox::Yes));
    const int status = RunMainLoop([this] { window_->MenuAction(CM_FILEEXIT)->trigger(); });
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, ClosingTheFrameAsksAboutUnsavedResults) {
    Show();
    Client().MoetSaven = 1;
    ModalScript script;
    script.Then(Press(QStringLiteral("Exit Korvel"), QMessageBox::No));
    script.Then(Press(QStringLiteral("Exit Korvel"), QMessageBox::Yes));
    bool stillOpenAfterNo = false;
    const int status = RunMainLoop([&] {
        window_->Window().close();
        stillOpenAfterNo = window_->Window().isVisible();
        window_->Window().close();
    });
    EXPECT_TRUE(stillOpenAfterNo);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(window_->Window().isVisible());
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, ClosingTheFrameWithNothingToSaveEndsWithZeroAtOnce) {
    // Also while the help window, a second top-level window, is open.
    for (const bool helpOpen : {false, true}) {
        SCOPED_TRACE(helpOpen ? "help open" : "frame alone");
        window_.reset();
        window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
        Show();
        if (helpOpen) {
            QFile help(QStringLiteral("korvel-close.hlp"));
            ASSERT_TRUE(help.open(QIODevice::WriteOnly));
            help.write("# Help\n");
            help.close();
            Client().WinHelp("korvel-close.hlp", HELP_CONTENTS, 0);
        }
        ModalScript script; // no box expected
        const int status = RunMainLoop([this] { window_->Window().close(); });
        EXPECT_EQ(status, 0);
        QFile::remove(QStringLiteral("korvel-close.hlp"));
    }
}

// Every signal whose default is to end the program is an event of the main loop:
// unsaved results go to korvel.dat.unsaved (never to korvel.dat) and the program ends
// with status 1; with nothing unsaved it ends with 0. A box that is open goes with it.
TEST_F(HostTest, SignalsEndTheLoopKeepingUnsavedResultsAside) {
    struct Case {
        const char* what;
        int signal;
        int moetSaven;
        bool duringExitQuestion;
        int status;
    };
    const Case cases[] = {
        {"TERM, unsaved", SIGTERM, 1, false, 1},
        {"INT, unsaved", SIGINT, 1, false, 1},
        {"HUP, unsaved", SIGHUP, 1, false, 1},
        {"QUIT, unsaved", SIGQUIT, 1, false, 1},
        {"USR1, unsaved", SIGUSR1, 1, false, 1},
        {"PIPE, unsaved", SIGPIPE, 1, false, 1},
        {"ALRM, unsaved", SIGALRM, 1, false, 1},
        {"a real-time signal, unsaved", SIGRTMIN + 3, 1, false, 1},
        {"TERM, nothing unsaved", SIGTERM, 0, false, 0},
        {"TERM while the exit question is open", SIGTERM, 1, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window_.reset();
        window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
        Show();
        QFile::remove(QStringLiteral("korvel.dat"));
        QFile::remove(QStringLiteral("korvel.dat.unsaved"));
        // Each case a fresh run: nothing kept yet.
        Client().MoetSaven = 0;
        Client().NoteResults();
        Client().MoetSaven = c.moetSaven;
        Client().Wedstrijd[2].score1 = 4;
        Client().Wedstrijd[2].gespeeld = 1;
        Client().NoteResults();
        const EndingWatch watch(Client(), window_->Host());
        ASSERT_TRUE(watch.Watching());
        ModalScript script;
        if (c.duringExitQuestion)
            // The signal's pipe is read before the step returns, so that the box ends
            // with it rather than being found open once more by the script.
            script.Then([&c](QWidget&) {
                ::raise(c.signal);
                QCoreApplication::processEvents();
            });
        const int status = RunMainLoop([this, &c] {
            if (c.duringExitQuestion)
                window_->MenuAction(CM_FILEEXIT)->trigger();
            else
                ::raise(c.signal);
        });
        EXPECT_EQ(status, c.status);
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(QFile::exists(QStringLiteral("korvel.dat")));
        QFile kept(QStringLiteral("korvel.dat.unsaved"));
        EXPECT_EQ(kept.exists(), c.moetSaven == 1);
        if (c.moetSaven == 1) {
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            const QByteArray bytes = kept.readAll();
            ASSERT_EQ(bytes.size(), 93);
            EXPECT_EQ(bytes.mid(6, 3), QByteArray("\x04\x00\x01", 3));
        }
        EXPECT_EQ(Client().MoetSaven, c.moetSaven);
    }
    QFile::remove(QStringLiteral("korvel.dat.unsaved"));
}

} // namespace
