// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt host of the client window: message boxes, template dialogs, the help viewer,
// the ways the program ends, and the render loop. Every modal window is answered by a
// script; the test main's watchdog closes anything a failing test leaves open.
#include "app/command_ids.h"
#include "app/draw_app.h"
#include "data/draw_window.h"
#include "dialogs/about_dlg.h"
#include "dialogs/result_dlg.h"
#include "dialogs/templates.h"
#include "platform/qt/accessibility/canvas_accessible.h"
#include "platform/qt/frame/frame_window.h"
#include "platform/qt/help/help_viewer.h"
#include "platform/qt/session/ending.h"
#include "tournaments.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <deque>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Answers modal windows as they open. Each step runs from the event queue, not from
// the polling timer, so a step that opens another modal window (OK pressed, the dialog
// answers with a box) leaves the timer free to answer that one too. A window whose step
// is still running is not answered again.
class ModalScript {
  public:
    using Step = std::function<void(QWidget&)>;

    ModalScript() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start(10);
    }

    void Then(Step step) { steps_.push_back(std::move(step)); }
    // Answers every further window the same way; for boxes that come in numbers.
    void Always(Step step) { always_ = std::move(step); }
    bool Done() const { return steps_.empty(); }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || queued_ ||
            std::find(running_.begin(), running_.end(), modal) != running_.end())
            return;
        Step step;
        if (!steps_.empty()) {
            step = std::move(steps_.front());
            steps_.pop_front();
        } else if (always_) {
            step = always_;
        } else {
            ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString()
                          << "\"";
            step = [](QWidget& w) { w.close(); };
        }
        queued_ = true;
        QTimer::singleShot(0, modal, [this, modal, step] {
            queued_ = false;
            running_.push_back(modal);
            step(*modal);
            running_.pop_back();
        });
    }

    QTimer poll_;
    std::deque<Step> steps_;
    Step always_;
    bool queued_ = false;
    std::vector<QWidget*> running_;
};

QAbstractButton* BoxButton(QWidget& box, QMessageBox::StandardButton which) {
    auto* messageBox = qobject_cast<QMessageBox*>(&box);
    return messageBox ? messageBox->button(which) : nullptr;
}

// A step that checks the window is the box with this caption and presses a button.
ModalScript::Step Press(QString caption, QMessageBox::StandardButton which) {
    return [caption, which](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), caption);
        QAbstractButton* button = BoxButton(box, which);
        if (!button) {
            ADD_FAILURE() << "no such button in \"" << caption.toStdString() << "\"";
            box.close();
            return;
        }
        button->click();
    };
}

// Runs the event loop until the condition holds (or gives up after a while).
bool RunUntil(const std::function<bool()>& condition, int ms = 10000) {
    return QTest::qWaitFor(condition, ms);
}

class HostTest : public ::testing::Test {
  protected:
    HostTest() {
        app_.InitMainWindow();
        Client().FirstTime = 0;
        window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
    }

    TDrawWindow& Client() { return static_cast<TDrawWindow&>(app_.GetMainWindow()->Client()); }

    void Show() {
        window_->ShowMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_->Window()));
    }

    // Runs the program's main loop until it ends; a test that never ends it gets 99.
    static int RunMainLoop(std::function<void()> start) {
        QTimer::singleShot(0, std::move(start));
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(15000);
        return QApplication::exec();
    }

    TDrawApp app_;
    std::unique_ptr<QtFrameWindow> window_;
};

// ---------------------------------------------------------------- message boxes

enum class Gesture {
    First,
    Second,
    Escape,
    CloseBox
};

struct BoxCase {
    const char* name;
    unsigned style;
    Gesture gesture;
    int answer;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

TEST_F(HostTest, MessageBoxAnswersForEveryButtonSetAndWayOfClosing) {
    const auto ok = QMessageBox::StandardButtons(QMessageBox::Ok);
    const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    const BoxCase cases[] = {
        {"OK", MB_OK | MB_ICONINFORMATION, Gesture::First, IDOK, QMessageBox::Information, ok},
        {"OK, Escape", MB_OK, Gesture::Escape, IDOK, QMessageBox::NoIcon, ok},
        {"OK, close box", MB_OK | MB_ICONINFORMATION, Gesture::CloseBox, IDOK,
         QMessageBox::Information, ok},
        {"OK/Cancel, OK", MB_OKCANCEL | MB_ICONSTOP, Gesture::First, IDOK, QMessageBox::Critical,
         okCancel},
        {"OK/Cancel, Cancel", MB_OKCANCEL | MB_ICONSTOP, Gesture::Second, IDCANCEL,
         QMessageBox::Critical, okCancel},
        {"OK/Cancel, Escape", MB_OKCANCEL | MB_ICONSTOP, Gesture::Escape, IDCANCEL,
         QMessageBox::Critical, okCancel},
        {"OK/Cancel, close box", MB_OKCANCEL, Gesture::CloseBox, IDCANCEL, QMessageBox::NoIcon,
         okCancel},
        {"Yes/No, Yes", MB_YESNO | MB_ICONEXCLAMATION, Gesture::First, IDYES, QMessageBox::Warning,
         yesNo},
        {"Yes/No, No", MB_YESNO | MB_ICONEXCLAMATION, Gesture::Second, IDNO, QMessageBox::Warning,
         yesNo},
        {"Yes/No, Escape", MB_YESNO | MB_ICONEXCLAMATION, Gesture::Escape, IDNO,
         QMessageBox::Warning, yesNo},
        {"Yes/No, close box", MB_YESNO | MB_ICONEXCLAMATION, Gesture::CloseBox, IDNO,
         QMessageBox::Warning, yesNo},
    };
    Show();
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        ModalScript script;
        script.Then([&c](QWidget& widget) {
            auto* box = qobject_cast<QMessageBox*>(&widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Caption <b>"));
            EXPECT_EQ(box->text(), QStringLiteral("Line one\nLine <two>"));
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->standardButtons(), c.buttons);
            const QList<QAbstractButton*> buttons = box->buttons();
            switch (c.gesture) {
            case Gesture::First:
                box->button(c.buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)
                    ->click();
                break;
            case Gesture::Second:
                box->button(c.buttons & QMessageBox::No ? QMessageBox::No : QMessageBox::Cancel)
                    ->click();
                break;
            case Gesture::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Gesture::CloseBox:
                box->close();
                break;
            }
        });
        EXPECT_EQ(Client().MessageBox("Line one\nLine <two>", "Caption <b>", c.style), c.answer);
        EXPECT_TRUE(script.Done());
    }
}

TEST_F(HostTest, FrameIsActiveAgainAfterABoxCloses) {
    Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
    ModalScript script;
    script.Then(Press(QStringLiteral("Box"), QMessageBox::Ok));
    Client().MessageBox("text", "Box", MB_OK);
    EXPECT_TRUE(
        RunUntil([this] { return QApplication::activeWindow() == &window_->Window(); }, 2000));
}

// ---------------------------------------------------------------- dialogs

ResultDlgTB MatchFields() {
    ResultDlgTB tb;
    CopyToField(tb.datum, "14");
    CopyToField(tb.tijd, "17:30");
    CopyToField(tb.stadion, "Villa Park, Birmingham");
    CopyToField(tb.ploeg1, "Netherlands");
    CopyToField(tb.ploeg2, "Scotland");
    CopyToField(tb.score1, "0");
    CopyToField(tb.score2, "0");
    return tb;
}

QLineEdit* Edit(QWidget& dialog, int id) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}

QPushButton* Button(QWidget& dialog, int id) {
    return dialog.findChild<QPushButton*>(QStringLiteral("control%1").arg(id));
}

void Type(QWidget& dialog, int id, const char* text) {
    QLineEdit* edit = Edit(dialog, id);
    ASSERT_NE(edit, nullptr) << "edit " << id;
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

enum class Close {
    Ok,
    Enter,
    Cancel,
    Escape,
    CloseBox
};

struct DialogCase {
    const char* name;
    const char* score1;
    const char* score2;
    Close close;
    int result;
    const char* stored1; // what the transfer buffer holds afterwards
    const char* stored2;
};

TEST_F(HostTest, ResultDialogTransfersOnlyOnOk) {
    const DialogCase cases[] = {
        {"OK", "2", "1", Close::Ok, IDOK, "2", "1"},
        {"Enter presses OK", "3", "0", Close::Enter, IDOK, "3", "0"},
        {"typing is cut at the field's length", "12345", "7", Close::Ok, IDOK, "123", "7"},
        {"Cancel", "2", "1", Close::Cancel, IDCANCEL, "0", "0"},
        {"Escape", "2", "1", Close::Escape, IDCANCEL, "0", "0"},
        {"close box", "2", "1", Close::CloseBox, IDCANCEL, "0", "0"},
    };
    Show();
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResultDlgTB tb = MatchFields();
        ModalScript script;
        script.Then([&c](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter match result"));
            Type(dialog, 306, c.score1);
            Type(dialog, 307, c.score2);
            switch (c.close) {
            case Close::Ok:
                Button(dialog, IDOK)->click();
                break;
            case Close::Enter:
                QTest::keyClick(Edit(dialog, 307), Qt::Key_Return);
                break;
            case Close::Cancel:
                Button(dialog, IDCANCEL)->click();
                break;
            case Close::Escape:
                QTest::keyClick(Edit(dialog, 306), Qt::Key_Escape);
                break;
            case Close::CloseBox:
                dialog.close();
                break;
            }
        });
        int result = 0;
        {
            ResultDlg dialog(&tb, &Client(), kResultDialog);
            result = dialog.Execute();
        }
        EXPECT_EQ(result, c.result);
        EXPECT_STREQ(tb.score1, c.stored1);
        EXPECT_STREQ(tb.score2, c.stored2);
        EXPECT_TRUE(script.Done());
    }
}

TEST_F(HostTest, ResultDialogShowsTheMatchAndLimitsTheScores) {
    Show();
    ResultDlgTB tb = MatchFields();
    struct Shown {
        int id;
        const char* text;
    };
    const Shown shown[] = {
        {301, "14"},          {302, "17:30"},    {303, "Villa Park, Birmingham"},
        {304, "Netherlands"}, {305, "Scotland"},
    };
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        for (const Shown& s : shown) {
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("control%1").arg(s.id));
            ASSERT_NE(label, nullptr) << s.id;
            EXPECT_EQ(label->text(), QString::fromLatin1(s.text)) << s.id;
        }
        for (int id : {306, 307}) {
            ASSERT_NE(Edit(dialog, id), nullptr);
            EXPECT_EQ(Edit(dialog, id)->text(), QStringLiteral("0"));
            EXPECT_EQ(Edit(dialog, id)->maxLength(), 3);
            EXPECT_TRUE(Edit(dialog, id)->hasFrame());
        }
        // Only a dash stands between the fields: a screen reader needs their teams.
        EXPECT_EQ(Edit(dialog, 306)->accessibleName(), QStringLiteral("Netherlands score"));
        EXPECT_EQ(Edit(dialog, 307)->accessibleName(), QStringLiteral("Scotland score"));
        // A reader hears which match as the dialog opens.
        EXPECT_EQ(dialog.accessibleDescription(),
                  QStringLiteral("Netherlands - Scotland, 14 June, 17:30, Villa Park, Birmingham"));
        EXPECT_TRUE(Button(dialog, IDOK)->isDefault());
        EXPECT_FALSE(Button(dialog, IDCANCEL)->isDefault());
        // The template's 194 x 119 units, in a font whose line fits 14 to 16 pixels.
        EXPECT_NEAR(dialog.width(), 194 * 6 / 4, 194 * 2 / 4);
        EXPECT_NEAR(dialog.height(), 119 * 15 / 8, 119 * 2 / 8);
        dialog.close();
    });
    ResultDlg dialog(&tb, &Client(), kResultDialog);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, RefusedOkKeepsTheDialogOpenWithWhatWasTyped) {
    Show();
    ResultDlgTB tb = MatchFields();
    ModalScript script;
    script.Then([](QWidget& dialog) {
        Type(dialog, 306, "999");
        Button(dialog, IDOK)->click(); // CanClose refuses with a box of its own
    });
    script.Then(Press(QStringLiteral("Enter match result"), QMessageBox::Ok));
    script.Then([](QWidget& dialog) {
        ASSERT_NE(Edit(dialog, 306), nullptr) << "the dialog closed";
        EXPECT_EQ(Edit(dialog, 306)->text(), QStringLiteral("999"));
        Type(dialog, 306, "4");
        Button(dialog, IDOK)->click();
    });
    ResultDlg dialog(&tb, &Client(), kResultDialog);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_STREQ(tb.score1, "4");
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, ResultEnteredThroughTheMenuReachesTheStandings) {
    Show();
    ModalScript script;
    script.Then([](QWidget& dialog) {
        Type(dialog, 306, "1");
        Type(dialog, 307, "1");
        Button(dialog, IDOK)->click();
    });
    window_->MenuAction(CM_EDITRESULT)->trigger();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Client().Wedstrijd[0].gespeeld, 1);
    EXPECT_EQ(Client().WedstrijdNummer, 1);
    EXPECT_EQ(Client().MoetSaven, 1);
}

TEST_F(HostTest, AboutBoxShowsItsIconAndTheVersionSetUpByTheDialog) {
    Show();
    ModalScript script;
    script.Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Korvel"));
        auto* icon = dialog.findChild<QLabel*>(QStringLiteral("control150"));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
        // Bound only in the dialog's set-up, so shown only if set-up came first.
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("control401"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), QString::fromLatin1(kVersionText));
        // Every text's ink fits its label: nothing is cut off.
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                EXPECT_LT(label->fontMetrics().boundingRect(label->text()).right(), label->width())
                    << label->text().toStdString();
            }
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    window_->MenuAction(CM_ABOUT)->trigger();
    EXPECT_TRUE(script.Done());
}

// ---------------------------------------------------------------- how the program ends

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

// ---------------------------------------------------------------- help

TEST_F(HostTest, MissingHelpFileIsReportedByTheViewer) {
    Show();
    ModalScript script;
    QString text;
    script.Then([&text](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Korvel Help"));
        text = qobject_cast<QMessageBox*>(&box)->text();
        box.close();
    });
    Client().WinHelp("no-such-help.hlp", HELP_CONTENTS, 0);
    EXPECT_EQ(text, QStringLiteral("Cannot find the help file no-such-help.hlp."));
    EXPECT_TRUE(script.Done());
}

TEST_F(HostTest, HelpFileFromTheWorkingDirectoryShowsInOneReusedViewer) {
    Show();
    {
        QFile help(QStringLiteral("korvel-test.hlp"));
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
        help.write("# Entering results\n\nClick a *match* in the schedule.\n");
    }
    ModalScript script; // no box expected
    for (int round = 0; round < 2; ++round) {
        Client().WinHelp("korvel-test.hlp", HELP_CONTENTS, 0);
        const auto viewers = window_->Window().findChildren<QWidget*>(QStringLiteral("helpViewer"));
        ASSERT_EQ(viewers.size(), 1);
        EXPECT_TRUE(viewers.front()->isVisible());
        EXPECT_EQ(viewers.front()->windowTitle(), QStringLiteral("Korvel Help"));
        const QString shown = static_cast<HelpViewer*>(viewers.front())->Browser()->toPlainText();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Entering results"))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("Click a match in the schedule.")));
    }
    // Down moves a caret a line on, which a screen reader follows line by line.
    QTextBrowser* browser =
        window_->Window().findChild<HelpViewer*>(QStringLiteral("helpViewer"))->Browser();
    browser->moveCursor(QTextCursor::Start);
    QTest::keyClick(browser, Qt::Key_Down);
    EXPECT_EQ(browser->textCursor().blockNumber(), 1);
    QFile::remove(QStringLiteral("korvel-test.hlp"));
}

// Writes a help file, creating its folder; removes both again when it goes.
class HelpFileAt {
  public:
    HelpFileAt(const QString& dir, const QString& name, const QByteArray& text)
        : path_(QDir(dir).filePath(name)) {
        QDir folder(dir);
        if (!folder.exists()) {
            QDir().mkpath(dir);
            createdDir_ = folder.absolutePath();
        }
        QFile file(path_);
        ok_ = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    }
    ~HelpFileAt() {
        QFile::remove(path_);
        if (!createdDir_.isEmpty()) {
            QDir().rmpath(createdDir_);
        }
    }
    HelpFileAt(const HelpFileAt&) = delete;
    HelpFileAt& operator=(const HelpFileAt&) = delete;
    bool ok() const { return ok_; }

  private:
    QString path_;
    QString createdDir_;
    bool ok_ = false;
};

TEST_F(HostTest, HelpFileIsFoundHereThenBesideTheProgramThenInItsShareFolder) {
    Show();
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString shareDir = QDir(programDir).filePath(QStringLiteral("../share/korvel"));
    const QString name =
        QStringLiteral("korvel-lookup-%1.hlp").arg(QCoreApplication::applicationPid());
    struct Case {
        const char* what;
        bool here;
        bool besideProgram;
        bool inShare;
        const char* shown;
    };
    const Case cases[] = {
        {"only in the share folder", false, false, true, "share"},
        {"beside the program first", false, true, true, "beside"},
        {"the working directory first", true, true, true, "here"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::unique_ptr<HelpFileAt>> files;
        if (c.inShare)
            files.push_back(std::make_unique<HelpFileAt>(shareDir, name, "share"));
        if (c.besideProgram)
            files.push_back(std::make_unique<HelpFileAt>(programDir, name, "beside"));
        if (c.here)
            files.push_back(std::make_unique<HelpFileAt>(QDir::currentPath(), name, "here"));
        for (const auto& file : files)
            ASSERT_TRUE(file->ok());
        ModalScript script; // no box expected
        Client().WinHelp(name.toStdString().c_str(), HELP_CONTENTS, 0);
        const auto viewers = window_->Window().findChildren<QWidget*>(QStringLiteral("helpViewer"));
        ASSERT_EQ(viewers.size(), 1);
        EXPECT_EQ(static_cast<HelpViewer*>(viewers.front())->Browser()->toPlainText(),
                  QString::fromLatin1(c.shown));
    }
}

// A help file that is no regular file of UTF-8 text up to 1 MiB is not shown: the
// viewer says why at once, and no box holds the program up.
TEST_F(HostTest, HelpFileThatCannotBeShownIsExplainedInTheViewer) {
    Show();
    struct Case {
        const char* what;
        std::function<void(const QString&)> arrange;
        const char* why;
    };
    const Case cases[] = {
        {"larger than 1 MiB",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(50 * 1024 * 1024));
         },
         "it is larger than 1 MiB"},
        {"one byte over the limit",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(QByteArray(HelpViewer::kMaxBytes + 1, 'a'));
         },
         "it is larger than 1 MiB"},
        {"not UTF-8",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("# Help\n\nCaf\xe9 \xff\xfe\n");
         },
         "it is not UTF-8 text"},
        {"a FIFO",
         [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0); },
         "Not a regular file"},
        {"a directory", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); },
         "Is a directory"},
        {"2,000 small tables, ten seconds of layout",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             for (int i = 0; i < 2000; ++i)
                 file.write("| a | b |\n|---|---|\n| 1 | 2 |\n\n");
         },
         "it has more than 200 tables or 2000 table rows, more than the viewer lays out in a "
         "second"},
    };
    const QString name = QStringLiteral("korvel-hostile.hlp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange(name);
        ModalScript script; // no box expected
        QElapsedTimer clock;
        clock.start();
        Client().WinHelp(name.toStdString().c_str(), HELP_CONTENTS, 0);
        EXPECT_LT(clock.elapsed(), 1000) << "the message took too long";
        auto* viewer = window_->Window().findChild<HelpViewer*>(QStringLiteral("helpViewer"));
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->Browser()->toPlainText(),
                  QStringLiteral("The help file %1 cannot be shown: %2.")
                      .arg(QDir::current().filePath(name), QString::fromLatin1(c.why)));
        QFile::remove(name);
        QDir().rmdir(name);
    }
}

// Section links jump within the file; every other link shows its address as text and
// opens nothing; images are not loaded from anywhere; raw HTML shows as text; Escape
// closes the viewer. The
// same for a file large enough to be parsed away from the GUI thread.
TEST_F(HostTest, HelpLinksStayInsideTheFileAndEscapeCloses) {
    Show();
    for (const int fillerLines : {200, 4000}) {
        SCOPED_TRACE(fillerLines);
        QByteArray text =
            "# Help\n\n## Contents\n\n1. [Entering a result](#2-entering-a-result)\n\n"
            "See [the site](https://example.org/euro96) or [a file](file:///etc/passwd)"
            " or <https://example.org/bare>.\n\n![map](/dev/zero)\n\n"
            "<div>\n<img src=\"/dev/zero\">\n</div>\n\n";
        for (int i = 0; i < fillerLines; ++i)
            text += "Filler line to push the section far down.\n\n";
        text += "## 2. Entering a result\n\nClick a match.\n";
        HelpFileAt help(QDir::currentPath(), QStringLiteral("korvel-links.hlp"), text);
        ASSERT_TRUE(help.ok());
        ModalScript script; // no box expected
        QElapsedTimer clock;
        clock.start();
        Client().WinHelp("korvel-links.hlp", HELP_CONTENTS, 0);
        auto* viewer = window_->Window().findChild<HelpViewer*>(QStringLiteral("helpViewer"));
        ASSERT_NE(viewer, nullptr);
        QTextBrowser* browser = viewer->Browser();
        if (fillerLines > 1000) {
            EXPECT_LT(clock.elapsed(), 1000) << "the large file held the window up";
            EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("Reading the help file")));
        }
        ASSERT_TRUE(RunUntil([browser] {
            return browser->toPlainText().endsWith(QStringLiteral("Click a match."));
        }));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));

        // Only the section link is a link.
        QStringList anchors;
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isAnchor())
                    anchors << it.fragment().charFormat().anchorHref();
        EXPECT_EQ(anchors, QStringList{QStringLiteral("#2-entering-a-result")});
        const QString shown = browser->toPlainText();
        EXPECT_TRUE(shown.contains(QStringLiteral("the site <https://example.org/euro96>")));
        EXPECT_TRUE(shown.contains(QStringLiteral("a file <file:///etc/passwd>")));
        EXPECT_TRUE(shown.contains(QStringLiteral("https://example.org/bare")));
        // Raw HTML is text, and the text after it stays.
        EXPECT_TRUE(shown.contains(QStringLiteral("<img src=\"/dev/zero\">")));

        // Following the section link scrolls to the section.
        browser->verticalScrollBar()->setValue(0);
        emit browser->anchorClicked(QUrl(QStringLiteral("#2-entering-a-result")));
        EXPECT_GT(browser->verticalScrollBar()->value(), 0);
        EXPECT_EQ(browser->textCursor().block().text(), QStringLiteral("2. Entering a result"));
        // Any other address does nothing.
        const int at = browser->verticalScrollBar()->value();
        emit browser->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
        EXPECT_EQ(browser->verticalScrollBar()->value(), at);
        EXPECT_TRUE(browser->source().isEmpty());

        viewer->activateWindow();
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Escape);
        EXPECT_FALSE(viewer->isVisible());
    }
}

// Every entry of the shipped help file's contents list takes the reader to its section.
TEST_F(HostTest, EveryContentsLinkOfTheHelpFileReachesItsSection) {
    Show();
    const QString name = QStringLiteral("korvel-contents.hlp");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVEL_HELP_FILE), name));
    ModalScript script; // no box expected
    Client().WinHelp(name.toStdString().c_str(), HELP_CONTENTS, 0);
    auto* viewer = window_->Window().findChild<HelpViewer*>(QStringLiteral("helpViewer"));
    ASSERT_NE(viewer, nullptr);
    QTextBrowser* browser = viewer->Browser();
    ASSERT_TRUE(RunUntil([browser] { return browser->toPlainText().startsWith("Korvel Help"); }));
    QStringList links;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                links << it.fragment().charFormat().anchorHref();
    EXPECT_EQ(links.size(), 17);
    for (const QString& link : links) {
        SCOPED_TRACE(link.toStdString());
        browser->setTextCursor(QTextCursor(browser->document()));
        emit browser->anchorClicked(QUrl(link));
        const QTextBlock at = browser->textCursor().block();
        EXPECT_GT(at.blockFormat().headingLevel(), 0) << "the link went nowhere";
        EXPECT_TRUE(link.startsWith(QLatin1Char('#') + at.text().section(QLatin1Char('.'), 0, 0)))
            << at.text().toStdString();
    }
    QFile::remove(name);
}

// ---------------------------------------------------------------- rendering

TEST_F(HostTest, TenRepaintRequestsGiveOneRenderLater) {
    for (int i = 0; i < 10; ++i)
        Client().Invalidate();
    EXPECT_EQ(window_->RenderCount(), 0) << "a request only queues the render";
    QCoreApplication::processEvents();
    EXPECT_EQ(window_->RenderCount(), 1);
    QTest::qWait(50);
    EXPECT_EQ(window_->RenderCount(), 1);
}

TEST_F(HostTest, FirstPaintShowsTheWelcomeBoxOnceOverTheStandings) {
    Client().FirstTime = 1;
    ModalScript script;
    int rendersAtBox = -1;
    bool renderingAtBox = false;
    QRgb finalFrameAtBox = 0;
    script.Then([&](QWidget& box) {
        rendersAtBox = window_->RenderCount();
        renderingAtBox = window_->Host().Rendering();
        finalFrameAtBox = window_->CanvasImage().pixel(205, 340);
        Press(QStringLiteral("Korvel"), QMessageBox::Ok)(box);
    });
    Show(); // the first show asks for the first paint
    ASSERT_TRUE(
        RunUntil([this] { return Client().FirstTime == 0 && !window_->Host().RenderPending(); }));
    QTest::qWait(100);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(rendersAtBox, 1);
    EXPECT_TRUE(renderingAtBox);
    EXPECT_EQ(finalFrameAtBox, qRgb(192, 192, 0)) << "the standings are drawn behind the box";
    // The welcome's own repaint request makes one more render, and no more boxes.
    EXPECT_EQ(window_->RenderCount(), 2);
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

int GroupMatchBetween(int a, int b) {
    for (int i = 0; i < kGroupMatches; ++i) {
        const ScheduleRow& row = schema[i];
        if ((row.ploeg1 == a && row.ploeg2 == b) || (row.ploeg1 == b && row.ploeg2 == a))
            return i;
    }
    return -1;
}

// Sets a result in which `winner` beats `loser` 1-0.
void Beats(TDrawWindow& client, int winner, int loser) {
    const int i = GroupMatchBetween(winner, loser);
    ASSERT_GE(i, 0);
    Game& g = client.Wedstrijd[i];
    g.score1 = g.ploeg1 == winner ? 1 : 0;
    g.score2 = g.ploeg1 == winner ? 0 : 1;
    g.gespeeld = 1;
}

TEST_F(HostTest, BoxesDuringARenderNeitherNestNorRepeatRenders) {
    // Three teams of group A beat each other in a circle: the tie-breaker reports
    // each of those matches in a box while the standings are drawn.
    Beats(Client(), 0, 1);
    Beats(Client(), 1, 2);
    Beats(Client(), 2, 0);
    Show();
    window_->RunPendingRenders(); // the first paint, before the reports are switched on
    PaintCounter paints(*window_->Canvas());
    QTest::qWait(50);
    Client().ShowTieBreaker = 1;
    struct Seen {
        int render;
        bool rendering;
    };
    std::vector<Seen> seen;
    int paintsBeforeRender = 0;
    ModalScript script;
    script.Always([&](QWidget& box) {
        seen.push_back({window_->RenderCount(), window_->Host().Rendering()});
        EXPECT_EQ(box.windowTitle(), QStringLiteral("TieBreaker wedstrijd"));
        if (seen.size() == 1) {
            // What the render has drawn so far goes on screen behind the box.
            EXPECT_TRUE(RunUntil([&] { return paints.count > paintsBeforeRender; }, 1000));
            // A repaint request while the render waits for the box: it runs afterwards.
            Client().Invalidate();
        }
        Press(QStringLiteral("TieBreaker wedstrijd"), QMessageBox::Ok)(box);
    });
    const int before = window_->RenderCount();
    paintsBeforeRender = paints.count;
    Client().Invalidate();
    ASSERT_TRUE(RunUntil(
        [&] { return window_->RenderCount() == before + 2 && !window_->Host().Rendering(); }));
    QTest::qWait(200); // closing the boxes must not start anything by itself
    EXPECT_EQ(window_->RenderCount(), before + 2);
    ASSERT_FALSE(seen.empty());
    ASSERT_EQ(seen.size() % 2, 0u);
    const std::size_t perRender = seen.size() / 2;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(seen[i].rendering);
        EXPECT_EQ(seen[i].render, before + 1 + static_cast<int>(i / perRender));
    }
}

TEST_F(HostTest, ClickOnAMatchAndCancelRenderAndRepaintTheCanvasOnce) {
    // The canvas draws no focus mark: the focus moving to it with the click, to the
    // dialog and back when the dialog closes must not repaint the whole canvas each
    // time. The click asks for one render (and its one repaint), however it ends.
    Show();
    Client().CmShowSchema();
    window_->RunPendingRenders();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
    QTest::qWait(50);
    PaintCounter paints(*window_->Canvas());
    const int renders = window_->RenderCount();
    ModalScript script;
    script.Then([](QWidget& dialog) { Button(dialog, IDCANCEL)->click(); });
    QTest::mouseClick(window_->Canvas(), Qt::LeftButton, {}, QPoint(100, 2 * 15 + 7));
    ASSERT_TRUE(RunUntil([&] { return script.Done() && !QApplication::activeModalWidget(); }));
    QTest::qWait(100);
    EXPECT_EQ(Client().WedstrijdNummer, 2) << "the click reached the match";
    EXPECT_EQ(window_->RenderCount(), renders + 1);
    EXPECT_EQ(paints.count, 1);
}

// ---------------------------------------------------------------- screen readers

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
