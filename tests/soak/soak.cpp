// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: the real frame, driven at random for a long time, with every rule about
// painting, modal windows and the program's state checked after every action.
//
// Everything random comes from one std::mt19937 seeded from the command line, and the
// program itself is deterministic, so a seed replays the same session: the same
// commands, clicks, typed texts and answers, in the same order.
#include "soak.h"

#include "journal.h"
#include "probe.h"

#include "app/command_ids.h"
#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "data/tables.h"
#include "dialogs/about_dlg.h"
#include "platform/qt/canvas/utf8.h"
#include "platform/qt/frame/frame_window.h"
#include "platform/qt/frame/qt_host.h"
#include "views/schedule_hit_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <limits>
#include <malloc.h>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; g++ ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#define KORVEL_SOAK_ASAN 1
#endif

namespace {

constexpr int kFirstCommand = CM_FILESAVE;
constexpr int kLastCommand = CM_TIMEZONEOTHER;
constexpr int kFileBytes = 3 * kMatches;
constexpr const char* kDataFile = "korvel.dat";
constexpr const char* kTempFile = "korvel.dat.tmp";
constexpr const char* kHelpFile = "korvel.hlp";

// Captions of the boxes the program shows.
const QString kWelcomeCaption = QStringLiteral("Korvel");
const QString kTieCaption = QStringLiteral("TieBreaker wedstrijd");
const QString kExitCaption = QStringLiteral("Exit Korvel");
const QString kClearCaption = QStringLiteral("Clear all match results");
const QString kWinnersCaption = QStringLiteral("Previous Winners");
const QString kSaveFailedCaption = QStringLiteral("Fout bij wegschrijven gegevens");
const QString kRefusalCaption = QStringLiteral("Enter match result");
const QString kHelpCaption = QStringLiteral("Korvel Help");

constexpr int kResultDialogId = 300;
constexpr int kAboutDialogId = 400;
constexpr int kZoneDialogId = 521;

std::string S(const QString& text) { return text.toStdString(); }

// How the dialogs read a typed number, taken from the C library rather than from the
// program: white space, a sign, digits up to the first other character, 32-bit range.
std::int32_t ReadNumber(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string Quoted(const QString& text) { return "\"" + S(text) + "\""; }

struct MatchResult {
    int score1 = 0;
    int score2 = 0;
    int played = 0;
    bool operator==(const MatchResult&) const = default;
};

using FileBytes = std::array<unsigned char, kFileBytes>;

// What the program's state must be, kept by the soak from what it did and saw.
struct Model {
    std::array<MatchResult, kMatches> results{};
    int moetSaven = 0;
    int schermType = 0;
    int teamToShow = 0;
    int timeZone = 200;
    int showTie = 0;
    int wedstrijdNummer = 0;
    // What korvel.dat holds, if it exists.
    std::optional<FileBytes> file;
    // A directory in the way of the save's temporary file makes every save fail.
    bool saveBlocked = false;
    bool helpPresent = true;
};

// The results file as the documentation describes it: three bytes per match.
FileBytes Encode(const std::array<MatchResult, kMatches>& results) {
    FileBytes bytes{};
    for (int i = 0; i < kMatches; ++i) {
        bytes[3 * i] = static_cast<unsigned char>(results[i].score1 & 0xFF);
        bytes[3 * i + 1] = static_cast<unsigned char>(results[i].score2 & 0xFF);
        bytes[3 * i + 2] = static_cast<unsigned char>(results[i].played & 0xFF);
    }
    return bytes;
}

std::optional<std::vector<unsigned char>> ReadWholeFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0;
}

bool IsDirectory(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// The bytes the program holds on the heap: what a leak or an unbounded cache grows,
// without the allocator's own slack that the resident size also counts.
long LiveHeapBytes() {
#if defined(KORVEL_SOAK_ASAN)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
#else
    return -1;
#endif
}

double MiB(long bytes) { return bytes / (1024.0 * 1024.0); }

std::string Fixed(double value, int decimals = 1) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// One message box as the client asked for it, and how it was answered.
struct BoxSeen {
    QString caption;
    unsigned style = 0;
    int answer = -1;
    int expectedAnswer = -1;
    std::string gesture;
};

// One dialog: its template, the texts it was closed with and how.
struct DialogSeen {
    int id = 0;
    int result = -1;
    bool answered = false;
    bool accepted = false;
    int refusals = 0;
    std::vector<QString> texts; // the edit fields when OK was taken
};

// Everything that happened during one action.
struct Outcome {
    std::vector<BoxSeen> boxes; // the action's own boxes, in order
    std::vector<int> openBoxes; // indices into boxes of boxes still open
    int tieReports = 0;
    int welcomes = 0;
    std::vector<QString> hostBoxes; // boxes the toolkit shows by itself (help)
    std::vector<DialogSeen> dialogs;
    std::vector<int> quits;
    long requestsBefore = 0;
    int rendersBefore = 0;
    // The match the next result dialog must show, or -1 when none may open.
    int expectedMatch = -1;
};

enum class Route {
    MenuMouse,
    MenuKeys,
    Button,
    Trigger,
};

const char* RouteName(Route route) {
    switch (route) {
    case Route::MenuMouse:
        return "menu (mouse)";
    case Route::MenuKeys:
        return "menu (keys)";
    case Route::Button:
        return "button";
    case Route::Trigger:
        return "action";
    }
    return "?";
}

enum class Closing {
    OkButton,
    ReturnKey,
    CancelButton,
    EscapeKey,
    CloseBox,
};

const char* ClosingName(Closing how) {
    switch (how) {
    case Closing::OkButton:
        return "OK";
    case Closing::ReturnKey:
        return "Return";
    case Closing::CancelButton:
        return "Cancel";
    case Closing::EscapeKey:
        return "Escape";
    case Closing::CloseBox:
        return "close box";
    }
    return "?";
}

bool Accepts(Closing how) { return how == Closing::OkButton || how == Closing::ReturnKey; }

struct Figures {
    long actions = 0;
    std::map<std::string, long> kinds;
    std::map<std::string, long> routes;
    std::map<std::string, long> boxes; // by caption
    long boxesAnswered = 0;
    long dialogsAnswered = 0;
    long dialogsAccepted = 0;
    long refusals = 0;
    long lateAnswers = 0;
    long clicksOpeningDialog = 0;
    long quits = 0;
    long starts = 0;
    long saves = 0;
    long failedSaves = 0;
    long helpShown = 0;
    long helpClosed = 0;
    struct MemorySample {
        long action;
        long resident;
        long heap;
    };
    std::vector<MemorySample> memory; // every thousand actions
    long renders = 0;
    long requests = 0;
};

class Soak final : public QObject, public ProbeListener {
  public:
    Soak(const SoakOptions& options, Journal& journal)
        : options_(options), journal_(journal), random_(options.seed) {}

    int Run();

    // ProbeListener.
    void BoxOpening(std::string_view caption, std::string_view text, unsigned style,
                    bool rendering) override;
    void BoxClosed(int answer) override;
    void DialogOpening(int resId) override;
    void DialogClosed(int resId, int result) override;
    void QuitRequested(int status) override;
    void RenderBegan(int render) override;
    void NestedRender(std::string_view what) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Program {
        TDrawApp app;
        std::unique_ptr<QtFrameWindow> frame;
        std::unique_ptr<HostProbe> probe;
    };

    // Random numbers.
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
    }

    [[noreturn]] void Fail(const std::string& what) { journal_.Fail(what); }
    void Check(bool condition, const std::string& what) {
        if (!condition)
            Fail(what);
    }
    void Note(const std::string& what) {
        journal_.Note(what);
        if (options_.verbose)
            std::printf("    %s\n", what.c_str());
    }

    TDrawWindow& Client() {
        return static_cast<TDrawWindow&>(program_->app.GetMainWindow()->Client());
    }
    QtFrameWindow& Frame() { return *program_->frame; }
    QtWindowHost& Host() { return program_->frame->Host(); }
    HostProbe& Probe() { return *program_->probe; }
    QWidget* HelpWindow() { return Frame().Window().findChild<QWidget*>("helpViewer"); }

    // The program's life.
    void Start();
    void Stop();
    void IndexCommands();
    void Settle();

    // One action after the other, each from the event loop.
    void Step();
    void FinishAction();
    void Resume();
    void ChooseAndDo();
    void DoCommand(int id, Route route);
    void DoClick();
    void DoExitKey();
    void DoCloseBox();
    void DoCloseHelp();
    void DoResize();
    void DoExpose();
    void DoRedraw();
    void DoToggleSaveBlock();
    void DoToggleHelpFile();

    // Reaching a command.
    void OpenMenus(const std::vector<QMenu*>& path);
    void Send(int id, Route route);
    // The exit question or the quit, after Exit, Alt+F9 or the close box.
    void ExpectExit(bool viaCloseBox);
    bool QuitSeen();

    // Modal windows.
    void Answer(QWidget& window, bool late);
    void AnswerBox(QMessageBox& box);
    void AnswerResultDialog(QDialog& dialog);
    void AnswerZoneDialog(QDialog& dialog);
    void AnswerAboutDialog(QDialog& dialog);
    void TypeInto(QLineEdit& edit, const std::optional<QString>& text);
    std::optional<QString> ScoreText();
    std::optional<QString> ZoneText();
    QString Garble(int length);
    Closing ChooseClosing();
    void Close(QDialog& dialog, Closing how);
    void PollModals();

    // Checks.
    void ExpectBoxes(const std::vector<QString>& captions);
    void ExpectNoDialog();
    const DialogSeen& ExpectOneDialog(int id);
    void ExpectRepaint(bool wanted, const char* why);
    void CheckAfterAction();
    void CheckState();
    void CheckGroups();
    void ApplyResultDialog(int match, const DialogSeen& dialog);
    void SampleMemory(bool final);

    const SoakOptions& options_;
    Journal& journal_;
    std::mt19937 random_;
    std::unique_ptr<Program> program_;
    Model model_;
    Outcome outcome_;
    Figures figures_;

    std::map<int, std::vector<QMenu*>> menuPaths_;
    std::map<int, QToolButton*> buttons_;
    std::map<int, int> teamOfCommand_;
    std::array<Game, kMatches> schedule_{};
    bool haveSchedule_ = false;

    long index_ = 0;
    bool finished_ = false;
    bool restartPending_ = false;
    bool resumePending_ = false;
    bool quitExpected_ = false;
    int expectedQuitStatus_ = 0;

    // Render bookkeeping: a render needs a request since the previous one began.
    long requestsAtLastRender_ = 0;
    bool firstShowPending_ = false;

    std::vector<QWidget*> answering_;
    std::set<QWidget*> seenModals_;
    QTimer poll_;

    long rssAtSample_ = -1;
    long heapAtSample_ = -1;
    long rssAtEnd_ = -1;
    long heapAtEnd_ = -1;
    QElapsedTimer clock_;
};

// ------------------------------------------------------------------ the program's life

void Soak::Start() {
    program_ = std::make_unique<Program>();
    program_->app.InitMainWindow();
    program_->frame = std::make_unique<QtFrameWindow>(*program_->app.GetMainWindow());
    program_->probe = std::make_unique<HostProbe>(program_->frame->Host(), *this);
    // The probe stands between the client and its host from here on.
    Client().SetHost(program_->probe.get());
    ++figures_.starts;

    IndexCommands();
    requestsAtLastRender_ = Probe().Requests();
    firstShowPending_ = true; // the canvas asks for its first render when it first shows

    // A started program shows the standings with the results of the file, or none.
    model_.moetSaven = 0;
    model_.schermType = 0;
    model_.teamToShow = 0;
    model_.timeZone = 200;
    model_.showTie = 0;
    model_.results = {};
    model_.wedstrijdNummer = 0;
    if (model_.file) {
        for (int i = 0; i < kMatches; ++i) {
            model_.results[i] = {(*model_.file)[3 * i], (*model_.file)[3 * i + 1],
                                 (*model_.file)[3 * i + 2]};
            if (i < kFinal && model_.results[i].played == 1)
                model_.wedstrijdNummer = i + 1;
        }
    }

    Frame().ShowMaximized();
    Settle();
    Check(outcome_.welcomes == 1, "the welcome box showed " + std::to_string(outcome_.welcomes) +
                                      " times at the start instead of once");
    Check(Client().FirstTime == 0, "FirstTime is still set after the first render");
    Check(Frame().Window().isVisible(), "the frame is not visible after the start");

    if (!haveSchedule_) {
        schedule_ = Client().Wedstrijd;
        haveSchedule_ = true;
    }
}

void Soak::Stop() {
    if (!program_)
        return;
    figures_.requests += Probe().Requests();
    // The host goes first; the client then must not keep a pointer to the probe.
    program_->frame.reset();
    Client().SetHost(nullptr);
    program_->probe.reset();
    program_.reset();
    menuPaths_.clear();
    buttons_.clear();
    seenModals_.clear();
}

void Soak::IndexCommands() {
    std::function<void(QMenu*, std::vector<QMenu*>)> walk = [&](QMenu* menu,
                                                                std::vector<QMenu*> path) {
        path.push_back(menu);
        for (QAction* action : menu->actions()) {
            if (action->menu())
                walk(action->menu(), path);
            else if (!action->isSeparator())
                menuPaths_[action->data().toInt()] = path;
        }
    };
    for (QAction* action : Frame().MenuBar()->actions())
        if (action->menu())
            walk(action->menu(), {});

    // The team buttons follow team-index order, so the bar itself says which team each
    // team command must show.
    int team = 0;
    QToolBar* bar = Frame().ButtonBar();
    Check(bar != nullptr, "the frame has no button bar");
    for (QAction* action : bar->actions()) {
        const int id = action->data().toInt();
        if (id == 0)
            continue;
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        Check(button != nullptr, "button " + std::to_string(id) + " has no tool button");
        buttons_[id] = button;
        if (id >= CM_TEAMNEDERLAND && id <= CM_TEAMTURKIJE)
            teamOfCommand_[id] = team++;
    }
    Check(team == kTeams, "the button bar has " + std::to_string(team) + " team buttons");
    for (int id = kFirstCommand; id <= kLastCommand; ++id)
        Check(menuPaths_.count(id) == 1 && Frame().MenuAction(id) != nullptr,
              "command " + std::to_string(id) + " is not in the menus");
}

// What the event loop would do next: queued renders, their boxes, the widget's paint.
void Soak::Settle() {
    for (int round = 0; round < 8; ++round) {
        QCoreApplication::processEvents();
        Frame().RunPendingRenders();
        if (!Host().RenderPending())
            break;
    }
    QCoreApplication::processEvents();
}

// ------------------------------------------------------------------ probe events

void Soak::BoxOpening(std::string_view caption, std::string_view text, unsigned style,
                      bool rendering) {
    const QString title = FromUtf8(caption);
    if (title == kTieCaption) {
        // Reports come only while drawing, only when switched on, and only of a
        // played group match with a winner, as the model has it.
        Check(rendering, "a tie-breaker report outside a render");
        Check(Client().ShowTieBreaker == 1, "a tie-breaker report while reports are off");
        Check(style == (MB_OK | MB_ICONINFORMATION),
              "a tie-breaker report with style " + std::to_string(style));
        // The render draws the state the action has just made, which the model takes
        // over only once the action is done: compare with the program's own matches.
        bool known = false;
        for (int i = 0; i < kGroupMatches && !known; ++i) {
            const Game& g = Client().Wedstrijd[static_cast<std::size_t>(i)];
            if (g.gespeeld != 1 || g.score1 == g.score2)
                continue;
            const std::string expected = std::string(landnaam[g.ploeg1]) + " - " +
                                         std::string(landnaam[g.ploeg2]) + " " +
                                         std::to_string(g.score1) + "-" + std::to_string(g.score2);
            known = expected == text;
        }
        Check(known, "a tie-breaker report of a match that was not played so: \"" +
                         std::string(text) + "\"");
        ++outcome_.tieReports;
        outcome_.boxes.push_back({title, style, -1, -1, {}});
        outcome_.openBoxes.push_back(static_cast<int>(outcome_.boxes.size()) - 1);
        return;
    }
    if (title == kWelcomeCaption) {
        Check(rendering && Client().FirstTime == 1,
              "the welcome box outside the first render of a start");
        ++outcome_.welcomes;
    } else {
        Check(!rendering, "box \"" + S(title) + "\" opened inside a render");
    }
    outcome_.boxes.push_back({title, style, -1, -1, {}});
    outcome_.openBoxes.push_back(static_cast<int>(outcome_.boxes.size()) - 1);
}

void Soak::BoxClosed(int answer) {
    Check(!outcome_.openBoxes.empty(), "a box closed that never opened");
    BoxSeen& box = outcome_.boxes[static_cast<std::size_t>(outcome_.openBoxes.back())];
    outcome_.openBoxes.pop_back();
    box.answer = answer;
    Check(!box.gesture.empty() && box.expectedAnswer >= 0,
          "box \"" + S(box.caption) + "\" closed without being answered");
    Check(answer == box.expectedAnswer, "box \"" + S(box.caption) + "\" answered by " +
                                            box.gesture + " returned " + std::to_string(answer) +
                                            " instead of " + std::to_string(box.expectedAnswer));
}

void Soak::DialogOpening(int resId) {
    Check(!Host().Rendering(), "dialog " + std::to_string(resId) + " opened inside a render");
    outcome_.dialogs.push_back({resId, -1, false, false, 0, {}});
}

void Soak::DialogClosed(int resId, int result) {
    Check(!outcome_.dialogs.empty() && outcome_.dialogs.back().id == resId,
          "dialog " + std::to_string(resId) + " closed that never opened");
    DialogSeen& dialog = outcome_.dialogs.back();
    dialog.result = result;
    Check(dialog.answered, "dialog " + std::to_string(resId) + " closed without being answered");
    Check((result == IDOK) == dialog.accepted,
          "dialog " + std::to_string(resId) + " returned " + std::to_string(result) +
              (dialog.accepted ? " though it was accepted" : " though it was cancelled"));
}

void Soak::QuitRequested(int status) {
    Check(!Host().Rendering(), "a quit request inside a render");
    outcome_.quits.push_back(status);
}

void Soak::RenderBegan(int render) {
    ++figures_.renders;
    // A render needs a reason: a repaint request since the last render began, or the
    // canvas's first showing.
    const bool requested = Probe().Requests() > requestsAtLastRender_;
    Check(requested || firstShowPending_,
          "render " + std::to_string(render) + " began without a repaint request");
    requestsAtLastRender_ = Probe().Requests();
    firstShowPending_ = false;
}

void Soak::NestedRender(std::string_view what) {
    Fail("a render ran while " + std::string(what) + " opened by another render was open");
}

// ------------------------------------------------------------------ modal windows

bool Soak::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal() && !seenModals_.count(widget)) {
            seenModals_.insert(widget);
            // A later window may be given the same address.
            connect(widget, &QObject::destroyed, this,
                    [this, widget] { seenModals_.erase(widget); });
            // Answered from the window's own event loop, as a user would.
            QPointer<QWidget> window(widget);
            QTimer::singleShot(0, widget, [this, window] {
                if (window && window->isVisible())
                    Answer(*window, false);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

// A modal window that slipped past the show event is answered here, a little late.
void Soak::PollModals() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (std::find(answering_.begin(), answering_.end(), modal) != answering_.end())
        return;
    if (seenModals_.count(modal))
        return; // its answer is queued
    seenModals_.insert(modal);
    ++figures_.lateAnswers;
    Answer(*modal, true);
}

void Soak::Answer(QWidget& window, bool late) {
    journal_.Alive();
    answering_.push_back(&window);
    if (late)
        Note("(late)");
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        AnswerBox(*box);
    } else if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        const QString name = dialog->objectName();
        if (name == QStringLiteral("dialog300"))
            AnswerResultDialog(*dialog);
        else if (name == QStringLiteral("dialog521"))
            AnswerZoneDialog(*dialog);
        else if (name == QStringLiteral("dialog400"))
            AnswerAboutDialog(*dialog);
        else
            Fail("an unknown dialog \"" + S(dialog->windowTitle()) + "\" (" + S(name) + ")");
    } else {
        Fail("an unknown modal window \"" + S(window.windowTitle()) + "\"");
    }
    answering_.pop_back();
    // Should the same window show again, it is answered again.
    seenModals_.erase(&window);
}

void Soak::AnswerBox(QMessageBox& box) {
    const QString caption = box.windowTitle();
    ++figures_.boxesAnswered;
    ++figures_.boxes[S(caption)];

    // The box the client asked for last, if this is it; the toolkit's own boxes (the
    // help viewer's) do not pass the probe.
    BoxSeen* seen = nullptr;
    if (!outcome_.openBoxes.empty()) {
        BoxSeen& top = outcome_.boxes[static_cast<std::size_t>(outcome_.openBoxes.back())];
        if (top.gesture.empty() && top.caption == caption)
            seen = &top;
    }
    if (!seen) {
        Check(caption == kHelpCaption, "an unexpected box \"" + S(caption) + "\"");
        outcome_.hostBoxes.push_back(caption);
    }

    // The buttons each kind of box must have.
    const QMessageBox::StandardButtons buttons = box.standardButtons();
    if (seen) {
        QMessageBox::StandardButtons wanted = QMessageBox::Ok;
        if ((seen->style & MB_BUTTONMASK) == MB_YESNO)
            wanted = QMessageBox::Yes | QMessageBox::No;
        else if ((seen->style & MB_BUTTONMASK) == MB_OKCANCEL)
            wanted = QMessageBox::Ok | QMessageBox::Cancel;
        Check(buttons == wanted, "box \"" + S(caption) + "\" has the wrong buttons");
    }

    struct Gesture {
        std::string name;
        std::function<void()> act;
        int answer;
    };
    // Escape and the close box answer with the last button: OK alone, Cancel or No.
    const int refusal = buttons.testFlag(QMessageBox::No)       ? IDNO
                        : buttons.testFlag(QMessageBox::Cancel) ? IDCANCEL
                                                                : IDOK;
    std::vector<Gesture> gestures;
    auto press = [&box](QMessageBox::StandardButton which) {
        return [&box, which] { QTest::mouseClick(box.button(which), Qt::LeftButton); };
    };
    // Exit is never confirmed: the session goes on.
    if (caption != kExitCaption) {
        if (buttons.testFlag(QMessageBox::Ok))
            gestures.push_back({"OK", press(QMessageBox::Ok), IDOK});
        if (buttons.testFlag(QMessageBox::Yes))
            gestures.push_back({"Yes", press(QMessageBox::Yes), IDYES});
    }
    if (buttons.testFlag(QMessageBox::Cancel))
        gestures.push_back({"Cancel", press(QMessageBox::Cancel), IDCANCEL});
    if (buttons.testFlag(QMessageBox::No))
        gestures.push_back({"No", press(QMessageBox::No), IDNO});
    gestures.push_back({"Escape", [&box] { QTest::keyClick(&box, Qt::Key_Escape); }, refusal});
    gestures.push_back({"close box", [&box] { box.close(); }, refusal});

    const Gesture& gesture = Pick(gestures);
    if (seen) {
        seen->gesture = gesture.name;
        seen->expectedAnswer = gesture.answer;
    }
    if (caption != kTieCaption)
        Note("box " + Quoted(caption) + " " + gesture.name);
    QPointer<QMessageBox> alive(&box);
    gesture.act();
    Check(!alive || !alive->isVisible(),
          "box \"" + S(caption) + "\" still open after " + gesture.name);
}

QString Soak::Garble(int length) {
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+- .:,");
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet[Uniform(0, static_cast<int>(alphabet.size()) - 1)];
    return text;
}

// A score as a user might type it; nothing means the field is left as it is.
std::optional<QString> Soak::ScoreText() {
    const int kind = Uniform(0, 99);
    if (kind < 15)
        return std::nullopt;
    if (kind < 35)
        return QString::number(Uniform(0, 9));
    if (kind < 45)
        return QString::number(Uniform(0, 255));
    if (kind < 50) // the edges of what a byte holds
        return Pick(std::vector<QString>{"0", "255", "-0", "+255", "00", "254"});
    if (kind < 60) { // refused: above a byte, or below zero, often just so
        const int edge = Uniform(0, 3);
        if (edge == 0)
            return QStringLiteral("256");
        if (edge == 1)
            return QStringLiteral("-1");
        return QString::number(Chance(60) ? Uniform(256, 999) : Uniform(-99, -1));
    }
    if (kind < 65)
        return QString();
    if (kind < 70)
        return Pick(std::vector<QString>{"a", "xyz", "Q", "oo"});
    if (kind < 75)
        return Pick(std::vector<QString>{"+", "-", "+5", "-0", "+-1", "--", "+255", "-256"});
    if (kind < 80)
        return QStringLiteral(" ") + QString::number(Uniform(0, 99));
    if (kind < 85)
        return QString::number(Uniform(0, 99)) + Pick(std::vector<QString>{"a", ":", ".5", "x"});
    if (kind < 95)
        return Garble(Uniform(4, 40));
    return Pick(std::vector<QString>{QStringLiteral("\u00e95"), QStringLiteral("5\u00fc"),
                                     QStringLiteral("\u00df"), QStringLiteral("1\u00e92")});
}

// A time-zone offset as a user might type it.
std::optional<QString> Soak::ZoneText() {
    const int kind = Uniform(0, 99);
    if (kind < 10)
        return std::nullopt;
    if (kind < 30)
        return Pick(std::vector<QString>{"+100", "-130", "200", "-700", "0", "+1200", "-1200",
                                         "530", "-45"});
    if (kind < 50)
        return QString::number(Uniform(-2400, 2400));
    if (kind < 65)
        return QString::number(Chance(50) ? Uniform(-9999, -2401) : Uniform(2401, 99999));
    if (kind < 70)
        return QString();
    if (kind < 75)
        return Pick(std::vector<QString>{"abc", "utc", "X"});
    if (kind < 80)
        return Pick(std::vector<QString>{"5:30", "+2:00", "-3.5", "1e3"});
    if (kind < 85)
        return Pick(std::vector<QString>{"+", "-", "+-", "--100", "+-200"});
    if (kind < 90)
        return QStringLiteral("  ") + QString::number(Uniform(-999, 999));
    if (kind < 97)
        return Garble(Uniform(6, 40));
    return Pick(std::vector<QString>{QStringLiteral("\u00e9100"), QStringLiteral("100\u00fc")});
}

void Soak::TypeInto(QLineEdit& edit, const std::optional<QString>& text) {
    if (!text)
        return;
    edit.setFocus();
    edit.selectAll();
    if (text->isEmpty())
        QTest::keyClick(&edit, Qt::Key_Backspace);
    for (const QChar ch : *text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(&edit, ch.toLatin1());
        } else {
            // Letters beyond ASCII come as text with a key the keyboard has no name for.
            QTest::sendKeyEvent(QTest::Press, &edit, Qt::Key_unknown, QString(ch), {});
            QTest::sendKeyEvent(QTest::Release, &edit, Qt::Key_unknown, QString(ch), {});
        }
    }
    // The field takes no more than it holds.
    Check(edit.text().size() <= edit.maxLength(),
          "field " + S(edit.objectName()) + " holds more than its limit");
}

Closing Soak::ChooseClosing() {
    const int kind = Uniform(0, 99);
    if (kind < 40)
        return Closing::OkButton;
    if (kind < 60)
        return Closing::ReturnKey;
    if (kind < 75)
        return Closing::CancelButton;
    if (kind < 90)
        return Closing::EscapeKey;
    return Closing::CloseBox;
}

void Soak::Close(QDialog& dialog, Closing how) {
    QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    switch (how) {
    case Closing::OkButton:
        QTest::mouseClick(dialog.findChild<QPushButton*>("control1"), Qt::LeftButton);
        break;
    case Closing::ReturnKey:
        QTest::keyClick(focus, Qt::Key_Return);
        break;
    case Closing::CancelButton:
        QTest::mouseClick(dialog.findChild<QPushButton*>("control2"), Qt::LeftButton);
        break;
    case Closing::EscapeKey:
        QTest::keyClick(focus, Qt::Key_Escape);
        break;
    case Closing::CloseBox:
        dialog.close();
        break;
    }
}

void Soak::AnswerResultDialog(QDialog& dialog) {
    ++figures_.dialogsAnswered;
    Check(!outcome_.dialogs.empty() && outcome_.dialogs.back().id == kResultDialogId,
          "the result dialog opened without the client asking for it");
    const int match = outcome_.expectedMatch;
    Check(match >= 0 && match < kMatches, "the result dialog opened where none was expected");
    auto* score1 = dialog.findChild<QLineEdit*>("control306");
    auto* score2 = dialog.findChild<QLineEdit*>("control307");
    Check(score1 && score2 && dialog.findChild<QPushButton*>("control1") &&
              dialog.findChild<QPushButton*>("control2"),
          "the result dialog lacks its score fields or buttons");

    // It shows the match it was opened for, with the result the model holds; the teams
    // of a knock-out match are the ones the standings have put there.
    const Game& game = Client().Wedstrijd[static_cast<std::size_t>(match)];
    const MatchResult& result = model_.results[static_cast<std::size_t>(match)];
    auto label = [&dialog](int id) {
        auto* widget = dialog.findChild<QLabel*>(QStringLiteral("control%1").arg(id));
        return widget ? widget->text() : QStringLiteral("(none)");
    };
    Check(label(304) == FromUtf8(landnaam[game.ploeg1]) &&
              label(305) == FromUtf8(landnaam[game.ploeg2]),
          "the result dialog shows " + S(label(304)) + " - " + S(label(305)) + " for match " +
              std::to_string(match));
    Check(label(301) == QString::number(game.datum),
          "the result dialog shows day " + S(label(301)) + " for match " + std::to_string(match));
    Check(score1->text() == QString::number(result.score1) &&
              score2->text() == QString::number(result.score2),
          "the result dialog shows " + S(score1->text()) + "-" + S(score2->text()) + " for match " +
              std::to_string(match) + " which holds " + std::to_string(result.score1) + "-" +
              std::to_string(result.score2));

    DialogSeen& seen = outcome_.dialogs.back();
    QPointer<QDialog> alive(&dialog);
    for (int attempt = 0;; ++attempt) {
        TypeInto(*score1, ScoreText());
        TypeInto(*score2, ScoreText());
        // After a few refusals the user gives up or gets it right.
        const Closing how = ChooseClosing();
        const QString t1 = score1->text();
        const QString t2 = score2->text();
        const int v1 = ReadNumber(S(t1));
        const int v2 = ReadNumber(S(t2));
        const bool valid = v1 >= 0 && v1 <= 255 && v2 >= 0 && v2 <= 255;
        Note("result dialog match " + std::to_string(match) + " " + Quoted(t1) + " " + Quoted(t2) +
             " " + ClosingName(how));
        const std::size_t boxesBefore = outcome_.boxes.size();
        if (Accepts(how)) {
            seen.answered = true;
            seen.accepted = valid;
            seen.texts = {t1, t2};
        } else {
            seen.answered = true;
            seen.accepted = false;
        }
        Close(dialog, how);
        const bool open = alive && alive->isVisible();
        if (Accepts(how) && !valid) {
            // Refused with a box; the dialog stays with the typed text.
            Check(open, "the result dialog closed on OK with a score outside 0..255");
            Check(outcome_.boxes.size() == boxesBefore + 1 &&
                      outcome_.boxes.back().caption == kRefusalCaption,
                  "a score outside 0..255 was not refused with a box");
            Check(score1->text() == t1 && score2->text() == t2,
                  "the refused scores were not kept in the fields");
            ++seen.refusals;
            ++figures_.refusals;
            if (attempt >= 3) {
                // Enough: cancel rather than try for ever.
                seen.accepted = false;
                Close(dialog, Closing::EscapeKey);
                Check(!(alive && alive->isVisible()), "the result dialog stayed open on Escape");
                Note("result dialog given up");
                return;
            }
            continue;
        }
        Check(outcome_.boxes.size() == boxesBefore,
              "the result dialog showed a box on " + std::string(ClosingName(how)));
        Check(!open, "the result dialog stayed open on " + std::string(ClosingName(how)));
        if (seen.accepted)
            ++figures_.dialogsAccepted;
        return;
    }
}

void Soak::AnswerZoneDialog(QDialog& dialog) {
    ++figures_.dialogsAnswered;
    Check(!outcome_.dialogs.empty() && outcome_.dialogs.back().id == kZoneDialogId,
          "the time-zone dialog opened without the client asking for it");
    auto* zone = dialog.findChild<QLineEdit*>("control101");
    Check(zone != nullptr, "the time-zone dialog has no field");
    Check(zone->text() == QStringLiteral("0"),
          "the time-zone dialog opens with " + Quoted(zone->text()) + " instead of \"0\"");
    TypeInto(*zone, ZoneText());
    const Closing how = ChooseClosing();
    DialogSeen& seen = outcome_.dialogs.back();
    seen.answered = true;
    seen.accepted = Accepts(how);
    seen.texts = {zone->text()};
    Note("time-zone dialog " + Quoted(zone->text()) + " " + ClosingName(how));
    QPointer<QDialog> alive(&dialog);
    Close(dialog, how);
    Check(!(alive && alive->isVisible()),
          "the time-zone dialog stayed open on " + std::string(ClosingName(how)));
    if (seen.accepted)
        ++figures_.dialogsAccepted;
}

void Soak::AnswerAboutDialog(QDialog& dialog) {
    ++figures_.dialogsAnswered;
    Check(!outcome_.dialogs.empty() && outcome_.dialogs.back().id == kAboutDialogId,
          "the about box opened without the client asking for it");
    auto* version = dialog.findChild<QLabel*>("control401");
    Check(version && version->text() == FromUtf8(kVersionText),
          "the about box shows the wrong version");
    // It has OK only: every way of closing it is fine.
    Closing how = ChooseClosing();
    if (how == Closing::CancelButton)
        how = Closing::EscapeKey;
    DialogSeen& seen = outcome_.dialogs.back();
    seen.answered = true;
    seen.accepted = Accepts(how);
    Note(std::string("about box ") + ClosingName(how));
    QPointer<QDialog> alive(&dialog);
    Close(dialog, how);
    Check(!(alive && alive->isVisible()), "the about box stayed open");
}

// ------------------------------------------------------------------ actions

int Soak::Run() {
    clock_.start();
    qApp->installEventFilter(this);
    connect(&poll_, &QTimer::timeout, this, [this] { PollModals(); });
    poll_.start(250);

    restartPending_ = true; // the first start
    for (;;) {
        QTimer::singleShot(0, this, [this] { Step(); });
        const int status = QApplication::exec();
        if (finished_)
            break;
        // The program asked to end: the user starts it again.
        Check(quitExpected_, "the main loop ended though nothing asked it to");
        Check(status == expectedQuitStatus_, "the program ended with status " +
                                                 std::to_string(status) + " instead of " +
                                                 std::to_string(expectedQuitStatus_));
        quitExpected_ = false;
        ++figures_.quits;
        // Until the first memory sample the user starts the program again, which loads
        // the saved results; after it the quit is caught and the same program goes on,
        // so that whatever it keeps piles up where the memory check sees it.
        if (index_ < options_.sampleAt)
            restartPending_ = true;
        else
            resumePending_ = true;
    }
    poll_.stop();
    const double seconds = clock_.elapsed() / 1000.0;
    Stop();
    qApp->removeEventFilter(this);

    std::printf("korvel_soak: seed %u, %ld actions in %.1f s\n", options_.seed, figures_.actions,
                seconds);
    std::printf("  actions:");
    for (const auto& [kind, count] : figures_.kinds)
        std::printf(" %s %ld,", kind.c_str(), count);
    std::printf("\n  commands by:");
    for (const auto& [route, count] : figures_.routes)
        std::printf(" %s %ld,", route.c_str(), count);
    std::printf("\n  renders %ld; repaint requests %ld\n", figures_.renders, figures_.requests);
    std::printf("  boxes answered %ld:", figures_.boxesAnswered);
    for (const auto& [caption, count] : figures_.boxes)
        std::printf(" \"%s\" %ld,", caption.c_str(), count);
    std::printf("\n  dialogs answered %ld (accepted %ld), scores refused %ld, late answers %ld\n",
                figures_.dialogsAnswered, figures_.dialogsAccepted, figures_.refusals,
                figures_.lateAnswers);
    std::printf("  clicks opening a result %ld; saves %ld (failed %ld); help shown %ld, "
                "closed %ld\n",
                figures_.clicksOpeningDialog, figures_.saves, figures_.failedSaves,
                figures_.helpShown, figures_.helpClosed);
    std::printf("  quits %ld (the program started again until action %ld, then went on), "
                "starts %ld\n",
                figures_.quits, options_.sampleAt, figures_.starts);
    std::printf("  resident size every 1000 actions (MiB):");
    for (const auto& sample : figures_.memory)
        std::printf(" %s", Fixed(MiB(sample.resident)).c_str());
    std::printf("\n  heap in use every 1000 actions (MiB):");
    for (const auto& sample : figures_.memory)
        std::printf(" %s", Fixed(MiB(sample.heap)).c_str());
    std::printf("\n");

    const long sampled = std::min(options_.sampleAt, options_.actions);
    std::printf("  memory after action %ld: RSS %s MiB", sampled, Fixed(MiB(rssAtSample_)).c_str());
    if (heapAtSample_ >= 0)
        std::printf(", heap in use %s MiB", Fixed(MiB(heapAtSample_)).c_str());
    std::printf("; at the end: RSS %s MiB", Fixed(MiB(rssAtEnd_)).c_str());
    if (heapAtEnd_ >= 0)
        std::printf(", heap in use %s MiB", Fixed(MiB(heapAtEnd_)).c_str());
    std::printf("\n");
    std::fflush(stdout);

    // After the sample the program has seen every kind of action many times over: what
    // it holds from then on must stay flat. The heap in use counts, not the resident
    // size: under AddressSanitizer freed memory waits in quarantine, and with glibc the
    // resident size moves by several MiB with the allocator's free lists alone.
    // Everything is torn down by now: the process ends the normal way, so that the leak
    // checker still reports.
    if (options_.actions > options_.sampleAt) {
        const long grown = heapAtEnd_ >= 0 ? heapAtEnd_ - heapAtSample_ : rssAtEnd_ - rssAtSample_;
        if (MiB(grown) > options_.memoryBoundMiB) {
            journal_.Complain(
                std::string(heapAtEnd_ >= 0 ? "the heap in use" : "the resident size") +
                " grew by " + Fixed(MiB(grown)) + " MiB after action " +
                std::to_string(options_.sampleAt) + " (bound " + Fixed(options_.memoryBoundMiB) +
                " MiB)");
            return 1;
        }
    }
    return 0;
}

void Soak::SampleMemory(bool final) {
    // Freed memory that waits to be given back would count as growth.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (final) {
        rssAtEnd_ = ResidentBytes();
        heapAtEnd_ = LiveHeapBytes();
    } else {
        rssAtSample_ = ResidentBytes();
        heapAtSample_ = LiveHeapBytes();
    }
}

void Soak::Step() {
    if (restartPending_) {
        restartPending_ = false;
        const bool first = !program_;
        Stop();
        journal_.Begin(index_, first ? "start the program" : "start the program again");
        outcome_ = {};
        Start();
        CheckAfterAction();
        if (!first)
            FinishAction();
        if (finished_)
            return;
        QTimer::singleShot(0, this, [this] { Step(); });
        return;
    }
    if (resumePending_) {
        resumePending_ = false;
        Resume();
        if (!finished_)
            QTimer::singleShot(0, this, [this] { Step(); });
        return;
    }

    outcome_ = {};
    outcome_.requestsBefore = Probe().Requests();
    outcome_.rendersBefore = Host().RenderCount();
    ChooseAndDo();
    if (QuitSeen()) {
        // The loop ends when this returns; the program is started again afterwards and
        // that finishes the action.
        Check(quitExpected_, "the program asked to end unexpectedly");
        return;
    }
    CheckAfterAction();
    FinishAction();
    if (!finished_)
        QTimer::singleShot(0, this, [this] { Step(); });
}

void Soak::FinishAction() {
    ++index_;
    ++figures_.actions;
    if (index_ % 1000 == 0)
        figures_.memory.push_back({index_, ResidentBytes(), LiveHeapBytes()});
    if (index_ == options_.sampleAt)
        SampleMemory(false);
    if (index_ >= options_.actions) {
        finished_ = true;
        if (rssAtSample_ < 0)
            SampleMemory(false);
        SampleMemory(true);
        // Last of all the program starts once more and must find the last saved results.
        Stop();
        journal_.Begin(index_, "start the program a last time");
        outcome_ = {};
        Start();
        CheckAfterAction();
        QCoreApplication::exit(0);
    }
}

void Soak::Resume() {
    // The quit is counted and the session goes on with the same program; a frame the
    // close box has hidden shows again, from its canvas, without drawing anything.
    Note("quit caught: the program goes on");
    outcome_ = {};
    outcome_.requestsBefore = Probe().Requests();
    outcome_.rendersBefore = Host().RenderCount();
    if (!Frame().Window().isVisible())
        Frame().ShowMaximized();
    Settle();
    ExpectNoDialog();
    ExpectBoxes({});
    ExpectRepaint(false, "showing the frame again");
    Check(Host().RenderCount() == outcome_.rendersBefore, "showing the frame again rendered");
    CheckAfterAction();
    FinishAction();
}

bool Soak::QuitSeen() { return !outcome_.quits.empty() || !Frame().Window().isVisible(); }

void Soak::ChooseAndDo() {
    // Clicks matter most where they open a result: in the schedule.
    const int clickWeight = model_.schermType == 1 ? 40 : 20;
    const int roll = Uniform(0, 99 + clickWeight);
    std::string kind;
    if (roll < 60) {
        // Every command, result entry and the views that take clicks more often: they
        // are where the state changes.
        static const std::vector<int> commands = [] {
            std::vector<int> ids;
            for (int id = kFirstCommand; id <= kLastCommand; ++id) {
                int weight = 1;
                if (id == CM_EDITRESULT)
                    weight = 5;
                else if (id == CM_SHOWSCHEMA)
                    weight = 3;
                else if (id == CM_SHOWSTAND || id == CM_TIMEZONEOTHER || id == CM_FILESAVE ||
                         id == CM_TOGGLETIEBREAKER)
                    weight = 2;
                ids.insert(ids.end(), static_cast<std::size_t>(weight), id);
            }
            return ids;
        }();
        const int id = Pick(commands);
        const int routeRoll = Uniform(0, 99);
        Route route = routeRoll < 25   ? Route::MenuMouse
                      : routeRoll < 50 ? Route::MenuKeys
                      : routeRoll < 80 ? Route::Button
                                       : Route::Trigger;
        if (route == Route::Button && !buttons_.count(id))
            route = Route::MenuKeys;
        kind = "command";
        ++figures_.routes[RouteName(route)];
        journal_.Begin(index_, "command " + std::to_string(id) + " by " + RouteName(route));
        if (options_.verbose)
            std::printf("#%ld command %d by %s\n", index_, id, RouteName(route));
        ++figures_.kinds[kind];
        DoCommand(id, route);
        return;
    }
    const int rest = roll - 60;
    std::function<void()> action;
    if (rest < 2) {
        kind = "Alt+F9";
        action = [this] { DoExitKey(); };
    } else if (rest < 4) {
        kind = "close box";
        action = [this] { DoCloseBox(); };
    } else if (rest < 10) {
        kind = "close help";
        action = [this] { DoCloseHelp(); };
    } else if (rest < 14) {
        kind = "resize";
        action = [this] { DoResize(); };
    } else if (rest < 20) {
        kind = "expose";
        action = [this] { DoExpose(); };
    } else if (rest < 28) {
        kind = "redraw";
        action = [this] { DoRedraw(); };
    } else if (rest < 30) {
        kind = "block saves";
        action = [this] { DoToggleSaveBlock(); };
    } else if (rest < 32) {
        kind = "help file";
        action = [this] { DoToggleHelpFile(); };
    } else {
        kind = "click";
        action = [this] { DoClick(); };
    }
    if (kind == "close help" && !(HelpWindow() && HelpWindow()->isVisible())) {
        kind = "click";
        action = [this] { DoClick(); };
    }
    ++figures_.kinds[kind];
    journal_.Begin(index_, kind);
    if (options_.verbose)
        std::printf("#%ld %s\n", index_, kind.c_str());
    action();
}

void Soak::OpenMenus(const std::vector<QMenu*>& path) {
    QMenuBar* bar = Frame().MenuBar();
    bar->setActiveAction(path.front()->menuAction());
    Check(QTest::qWaitFor([&] { return path.front()->isVisible(); }, 2000),
          "menu " + S(path.front()->title()) + " did not open");
    for (std::size_t i = 1; i < path.size(); ++i) {
        QMenu* parent = path[i - 1];
        QMenu* sub = path[i];
        parent->setActiveAction(sub->menuAction());
        if (!sub->isVisible())
            QTest::keyClick(parent, Qt::Key_Right);
        Check(QTest::qWaitFor([&] { return sub->isVisible(); }, 2000),
              "submenu " + S(sub->title()) + " did not open");
    }
    // The check mark is the client's when the menu opens; no box while it is off.
    if (QAction* toggle = Frame().MenuAction(CM_TOGGLETIEBREAKER);
        std::find(path.begin(), path.end(), menuPaths_[CM_TOGGLETIEBREAKER].back()) != path.end())
        Check(toggle->isCheckable() == (model_.showTie == 1) &&
                  toggle->isChecked() == (model_.showTie == 1),
              "the tie-breaker item's check mark does not follow the setting");
}

void Soak::Send(int id, Route route) {
    switch (route) {
    case Route::MenuMouse:
    case Route::MenuKeys: {
        const std::vector<QMenu*>& path = menuPaths_.at(id);
        OpenMenus(path);
        QMenu* owner = path.back();
        QAction* item = Frame().MenuAction(id);
        Check(item->isEnabled() && item->isVisible(),
              "menu item " + std::to_string(id) + " is greyed out or hidden");
        if (route == Route::MenuMouse) {
            QTest::mouseClick(owner, Qt::LeftButton, {}, owner->actionGeometry(item).center());
        } else {
            owner->setActiveAction(item);
            QTest::keyClick(owner, Qt::Key_Return);
        }
        break;
    }
    case Route::Button:
        QTest::mouseClick(buttons_.at(id), Qt::LeftButton);
        break;
    case Route::Trigger:
        Frame().MenuAction(id)->trigger();
        break;
    }
}

void Soak::DoCommand(int id, Route route) {
    const Model before = model_;
    outcome_.expectedMatch = id == CM_EDITRESULT ? model_.wedstrijdNummer : -1;
    const bool helpWasVisible = HelpWindow() && HelpWindow()->isVisible();
    if (id == CM_FILEEXIT) {
        quitExpected_ = model_.moetSaven == 0;
        expectedQuitStatus_ = 0;
    }
    Send(id, route);
    if (id == CM_FILEEXIT) {
        ExpectExit(false);
        return;
    }
    Check(!QuitSeen(), "command " + std::to_string(id) + " ended the program");
    Settle();

    switch (id) {
    case CM_FILESAVE: {
        ExpectNoDialog();
        ++figures_.saves;
        if (model_.saveBlocked) {
            ++figures_.failedSaves;
            ExpectBoxes({kSaveFailedCaption});
            Check(outcome_.boxes[0].style == (MB_OK | MB_ICONSTOP),
                  "the save failure box has the wrong style");
            Check(IsDirectory(kTempFile), "the directory in the way of the save is gone");
        } else {
            ExpectBoxes({});
            model_.moetSaven = 0;
            model_.file = Encode(model_.results);
            Check(!Exists(kTempFile), "a save left its temporary file behind");
        }
        const auto bytes = ReadWholeFile(kDataFile);
        if (model_.file)
            Check(bytes && bytes->size() == kFileBytes &&
                      std::equal(bytes->begin(), bytes->end(), model_.file->begin()),
                  "korvel.dat does not hold the last saved results");
        else
            Check(!bytes, "korvel.dat exists though no save succeeded");
        ExpectRepaint(false, "a save");
        break;
    }
    case CM_EDITRESULT: {
        const DialogSeen& dialog = ExpectOneDialog(kResultDialogId);
        ApplyResultDialog(before.wedstrijdNummer, dialog);
        // The standings follow at once; other views are drawn again when shown again.
        if (dialog.accepted && before.schermType == 0)
            ExpectRepaint(true, "a result entered under the standings");
        if (!dialog.accepted)
            ExpectRepaint(false, "a cancelled result dialog");
        break;
    }
    case CM_ABOUT:
        ExpectOneDialog(kAboutDialogId);
        ExpectBoxes({});
        ExpectRepaint(false, "the about box");
        break;
    case CM_SHOWSCHEMA:
    case CM_SHOWSTAND:
    case CM_SHOWINTRO:
        ExpectNoDialog();
        ExpectBoxes({});
        model_.schermType = id == CM_SHOWSTAND ? 0 : id == CM_SHOWSCHEMA ? 1 : 2;
        ExpectRepaint(true, "a view command");
        break;
    case CM_EDITCLEAR: {
        ExpectNoDialog();
        ExpectBoxes({kClearCaption});
        if (outcome_.boxes[0].answer == IDOK) {
            for (MatchResult& r : model_.results)
                r = {};
            model_.wedstrijdNummer = 0;
            model_.moetSaven = 1;
            ExpectRepaint(true, "clearing all results");
        } else {
            ExpectRepaint(false, "a cancelled clear");
        }
        break;
    }
    case CM_HELP:
        ExpectNoDialog();
        ExpectBoxes({});
        Check(Probe().HelpRequests() > 0, "Help did not ask for the help file");
        if (model_.helpPresent) {
            Check(outcome_.hostBoxes.empty(), "the help file was not found though it is there");
            Check(HelpWindow() && HelpWindow()->isVisible(), "the help window did not show");
            ++figures_.helpShown;
        } else {
            Check(outcome_.hostBoxes == std::vector<QString>{kHelpCaption},
                  "a missing help file was not reported with one box");
            Check((HelpWindow() && HelpWindow()->isVisible()) == helpWasVisible,
                  "a missing help file changed the help window");
        }
        ExpectRepaint(false, "the help window");
        break;
    case CM_TOGGLETIEBREAKER:
        ExpectNoDialog();
        ExpectBoxes({});
        model_.showTie = 1 - model_.showTie;
        break;
    case CM_PRINTPREVIOUS:
        ExpectNoDialog();
        ExpectBoxes({kWinnersCaption});
        ExpectRepaint(false, "the previous winners box");
        break;
    case CM_UTCPLUS1:
    case CM_UTCPLUS2:
    case CM_UTCPLUS3:
    case CM_UTCMIN7:
    case CM_UTCMIN6:
    case CM_UTCMIN5:
    case CM_UTCMIN4: {
        ExpectNoDialog();
        ExpectBoxes({});
        const std::map<int, int> offsets = {
            {CM_UTCPLUS1, 100}, {CM_UTCPLUS2, 200}, {CM_UTCPLUS3, 300}, {CM_UTCMIN7, -700},
            {CM_UTCMIN6, -600}, {CM_UTCMIN5, -500}, {CM_UTCMIN4, -400}};
        model_.timeZone = offsets.at(id);
        ExpectRepaint(true, "a time-zone command");
        break;
    }
    case CM_TIMEZONEOTHER: {
        const DialogSeen& dialog = ExpectOneDialog(kZoneDialogId);
        ExpectBoxes({});
        if (dialog.accepted)
            model_.timeZone = ReadNumber(S(dialog.texts.at(0)));
        ExpectRepaint(true, "the time-zone dialog");
        break;
    }
    default:
        Check(id >= CM_TEAMNEDERLAND && id <= CM_TEAMTURKIJE,
              "no check for command " + std::to_string(id));
        ExpectNoDialog();
        ExpectBoxes({});
        model_.schermType = 3;
        model_.teamToShow = teamOfCommand_.at(id);
        ExpectRepaint(true, "a team command");
        break;
    }
}

void Soak::ApplyResultDialog(int match, const DialogSeen& dialog) {
    std::vector<QString> refusals(static_cast<std::size_t>(dialog.refusals), kRefusalCaption);
    ExpectBoxes(refusals);
    if (!dialog.accepted)
        return;
    MatchResult& r = model_.results[static_cast<std::size_t>(match)];
    r.score1 = ReadNumber(S(dialog.texts.at(0)));
    r.score2 = ReadNumber(S(dialog.texts.at(1)));
    r.played = 1;
    model_.moetSaven = 1;
    model_.wedstrijdNummer = match < kFinal ? match + 1 : match;
}

void Soak::DoClick() {
    QWidget* canvas = Frame().Canvas();
    const QPoint point(Uniform(0, canvas->width() - 1), Uniform(0, canvas->height() - 1));
    const int match = model_.schermType == 1 ? MatchAt(TPoint{point.x(), point.y()}) : -1;
    Note("at " + std::to_string(point.x()) + "," + std::to_string(point.y()) + " in view " +
         std::to_string(model_.schermType));
    outcome_.expectedMatch = match;
    QTest::mouseClick(canvas, Qt::LeftButton, {}, point);
    Check(!QuitSeen(), "a click ended the program");
    Settle();
    if (match < 0) {
        // Anywhere else a click does nothing at all.
        ExpectNoDialog();
        ExpectBoxes({});
        ExpectRepaint(false, "a click on nothing");
        return;
    }
    ++figures_.clicksOpeningDialog;
    model_.wedstrijdNummer = match;
    const DialogSeen& dialog = ExpectOneDialog(kResultDialogId);
    ApplyResultDialog(match, dialog);
    ExpectRepaint(true, "a click on a match");
}

void Soak::ExpectExit(bool viaCloseBox) {
    if (model_.moetSaven == 1) {
        // Unsaved results: the question, answered No, and the program goes on.
        Check(!QuitSeen(), "the program ended with unsaved results");
        Settle();
        ExpectNoDialog();
        ExpectBoxes({kExitCaption});
        Check(outcome_.boxes[0].style == (MB_YESNO | MB_ICONEXCLAMATION),
              "the exit question has the wrong style");
        Check(outcome_.boxes[0].answer == IDNO, "the exit question was not answered No");
        ExpectRepaint(false, "a refused exit");
        quitExpected_ = false;
        return;
    }
    // Nothing to lose: the program ends at once, without a question.
    Check(outcome_.boxes.empty(), "the program asked before ending with nothing unsaved");
    if (viaCloseBox)
        Check(outcome_.quits.empty() && !Frame().Window().isVisible(),
              "the close box did not close the frame");
    else
        Check(outcome_.quits == std::vector<int>{0}, "Exit did not ask to end with status 0");
    Note("the program ends");
}

void Soak::DoExitKey() {
    QMainWindow& window = Frame().Window();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window, 2000)) {
        // Without the keyboard the key goes nowhere; the session goes on.
        Note("frame not active: key not sent");
        return;
    }
    quitExpected_ = model_.moetSaven == 0;
    expectedQuitStatus_ = 0;
    if (QApplication::activeWindow() != &window) {
        // The offscreen platform leaves the widgets' active window on a menu that has
        // closed while the frame's own window has the focus; a shortcut of the frame
        // then finds no active frame. A window manager would have told the frame.
        Note("(frame re-activated: " +
             std::string(QApplication::activeWindow()
                             ? QApplication::activeWindow()->metaObject()->className()
                             : "nothing") +
             " was active)");
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(&window);
        QT_WARNING_POP
    }
    QTest::keyClick(&window, Qt::Key_F9, Qt::AltModifier);
    ExpectExit(false);
}

void Soak::DoCloseBox() {
    quitExpected_ = model_.moetSaven == 0;
    expectedQuitStatus_ = 0;
    Frame().Window().close();
    ExpectExit(true);
}

void Soak::DoCloseHelp() {
    QWidget* help = HelpWindow();
    Check(help && help->isVisible(), "no help window to close");
    help->close();
    Check(!help->isVisible(), "the help window stayed open");
    ++figures_.helpClosed;
    Check(!QuitSeen(), "closing the help window ended the program");
    Settle();
    ExpectNoDialog();
    ExpectBoxes({});
    ExpectRepaint(false, "closing the help window");
}

void Soak::DoResize() {
    QMainWindow& window = Frame().Window();
    const QSize screen = window.screen()->availableGeometry().size();
    const QSize canvasBefore = Frame().CanvasImage().size();
    if (Chance(30)) {
        Note("maximised");
        Frame().ShowMaximized();
    } else {
        // Now and then larger than the screen.
        const QSize size(Uniform(200, screen.width() * 5 / 4),
                         Uniform(150, screen.height() * 5 / 4));
        Note("to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
        window.showNormal();
        window.resize(size);
    }
    Settle();
    ExpectNoDialog();
    ExpectBoxes({});
    ExpectRepaint(false, "a resize");
    // The canvas holds what the views draw whatever the window's size: a resize only
    // copies it, and draws nothing again.
    Check(Frame().CanvasImage().size() == canvasBefore, "a resize changed the canvas");
    Check(Host().RenderCount() == outcome_.rendersBefore, "a resize rendered");
}

void Soak::DoExpose() {
    // Uncovering the window only copies the canvas: the widget shows exactly it.
    QWidget* canvas = Frame().Canvas();
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = Frame().CanvasImage();
    const QRect area = QRect(QPoint(0, 0), shown.size()) & image.rect();
    Check(shown.copy(area) == image.copy(area).convertToFormat(QImage::Format_RGB32),
          "the canvas widget does not show the canvas");
    canvas->repaint();
    Frame().Window().repaint();
    Settle();
    ExpectNoDialog();
    ExpectBoxes({});
    ExpectRepaint(false, "uncovering the window");
    Check(Host().RenderCount() == outcome_.rendersBefore, "uncovering the window rendered");
}

void Soak::DoRedraw() {
    // A repaint request with nothing changed must draw the very same picture; a
    // difference means the view showed an older state than the program holds.
    const QImage before = Frame().CanvasImage().copy();
    Client().Invalidate();
    Settle();
    ExpectNoDialog();
    ExpectBoxes({});
    Check(Host().RenderCount() > outcome_.rendersBefore, "a repaint request did not render");
    Check(Frame().CanvasImage() == before, "the view showed an older state than the program holds: "
                                           "drawn again unchanged, it came out different");
}

void Soak::DoToggleSaveBlock() {
    if (model_.saveBlocked) {
        Check(::rmdir(kTempFile) == 0, "cannot remove the directory that blocks saves");
        Note("saves unblocked");
    } else {
        Check(!Exists(kTempFile), "a temporary file was left behind");
        Check(::mkdir(kTempFile, 0755) == 0, "cannot make a directory to block saves");
        Note("saves blocked");
    }
    model_.saveBlocked = !model_.saveBlocked;
    CheckState();
}

void Soak::DoToggleHelpFile() {
    if (model_.helpPresent) {
        Check(QFile::remove(kHelpFile), "cannot remove the help file");
        Note("help file removed");
    } else {
        Check(QFile::copy(QString::fromStdString(options_.helpFile), kHelpFile),
              "cannot copy the help file");
        Note("help file back");
    }
    model_.helpPresent = !model_.helpPresent;
}

// ------------------------------------------------------------------ checks

void Soak::ExpectBoxes(const std::vector<QString>& captions) {
    std::vector<QString> seen;
    for (const BoxSeen& box : outcome_.boxes)
        if (box.caption != kTieCaption && box.caption != kWelcomeCaption)
            seen.push_back(box.caption);
    if (seen == captions)
        return;
    std::string text = "boxes shown:";
    for (const QString& caption : seen)
        text += " \"" + S(caption) + "\"";
    text += "; expected:";
    for (const QString& caption : captions)
        text += " \"" + S(caption) + "\"";
    Fail(text);
}

void Soak::ExpectNoDialog() {
    Check(outcome_.dialogs.empty(),
          "dialog " + std::to_string(outcome_.dialogs.empty() ? 0 : outcome_.dialogs[0].id) +
              " opened where none should");
}

const DialogSeen& Soak::ExpectOneDialog(int id) {
    Check(outcome_.dialogs.size() == 1 && outcome_.dialogs[0].id == id,
          std::to_string(outcome_.dialogs.size()) + " dialogs opened instead of dialog " +
              std::to_string(id));
    Check(outcome_.dialogs[0].result >= 0, "dialog " + std::to_string(id) + " never closed");
    return outcome_.dialogs[0];
}

void Soak::ExpectRepaint(bool wanted, const char* why) {
    const long requests = Probe().Requests() - outcome_.requestsBefore;
    if (wanted)
        Check(requests > 0, std::string(why) + " did not ask for a repaint");
    else
        Check(requests == 0, std::string(why) + " asked for a repaint");
}

void Soak::CheckAfterAction() {
    // The frame answers again: no modal window, no menu left open.
    Check(QApplication::activeModalWidget() == nullptr,
          "a modal window is still open: \"" +
              S(QApplication::activeModalWidget() ? QApplication::activeModalWidget()->windowTitle()
                                                  : QString()) +
              "\"");
    for (QWidget* widget : QApplication::topLevelWidgets())
        Check(!(widget->isVisible() && widget->isModal()),
              "modal window \"" + S(widget->windowTitle()) + "\" is still visible");
    if (QWidget* popup = QApplication::activePopupWidget()) {
        const std::string title = S(popup->windowTitle());
        Fail("a popup is still open: \"" + title + "\"");
    }
    Check(outcome_.openBoxes.empty(), "a box never came back");
    Check(!Host().Rendering(), "a render is still running after the action");
    Check(!Host().RenderPending(), "a repaint request is still waiting after the action");
    // Every render is one the probe saw begin.
    Check(Probe().RendersSeen() == Host().RenderCount(),
          "the host rendered " + std::to_string(Host().RenderCount()) +
              " times but the probe saw " + std::to_string(Probe().RendersSeen()) +
              " renders draw");
    // Each render follows a request; the requests of this action are all served.
    const long requests = Probe().Requests() - outcome_.requestsBefore;
    const int renders = Host().RenderCount() - outcome_.rendersBefore;
    if (requests > 0)
        Check(renders > 0, "a repaint request was never served");
    Check(outcome_.tieReports == 0 || model_.showTie == 1,
          "tie-breaker reports while they are switched off");
    Check(Frame().Window().isVisible(), "the frame is gone");
    CheckState();
}

void Soak::CheckState() {
    TDrawWindow& w = Client();
    // Sane whatever happened.
    Check(w.SchermType >= 0 && w.SchermType <= 3, "SchermType " + std::to_string(w.SchermType));
    Check(w.WedstrijdNummer >= 0 && w.WedstrijdNummer <= kFinal,
          "WedstrijdNummer " + std::to_string(w.WedstrijdNummer));
    Check(w.MoetSaven == 0 || w.MoetSaven == 1, "MoetSaven " + std::to_string(w.MoetSaven));
    Check(w.ShowTieBreaker == 0 || w.ShowTieBreaker == 1,
          "ShowTieBreaker " + std::to_string(w.ShowTieBreaker));
    Check(w.TeamToShow >= 0 && w.TeamToShow < kTeams, "TeamToShow " + std::to_string(w.TeamToShow));
    for (int i = 0; i < kMatches; ++i) {
        const Game& g = w.Wedstrijd[i];
        if (g.gespeeld == 1)
            Check(g.score1 >= 0 && g.score1 <= 255 && g.score2 >= 0 && g.score2 <= 255,
                  "match " + std::to_string(i) + " holds " + std::to_string(g.score1) + "-" +
                      std::to_string(g.score2));
        // The schedule itself never changes; the knock-out matches get their teams
        // from the standings, or none (kTeams) while undecided.
        const Game& s = schedule_[static_cast<std::size_t>(i)];
        Check(g.datum == s.datum && g.tijd == s.tijd && g.stadion == s.stadion,
              "the schedule of match " + std::to_string(i) + " changed");
        if (i < kGroupMatches)
            Check(g.ploeg1 == s.ploeg1 && g.ploeg2 == s.ploeg2,
                  "the teams of group match " + std::to_string(i) + " changed");
        else
            Check(g.ploeg1 >= 0 && g.ploeg1 <= kTeams && g.ploeg2 >= 0 && g.ploeg2 <= kTeams,
                  "knock-out match " + std::to_string(i) + " holds teams " +
                      std::to_string(g.ploeg1) + " and " + std::to_string(g.ploeg2));
    }
    CheckGroups();

    // Exactly what the soak did to it.
    auto same = [this](const char* name, int actual, int expected) {
        Check(actual == expected, std::string(name) + " is " + std::to_string(actual) +
                                      ", expected " + std::to_string(expected));
    };
    same("SchermType", w.SchermType, model_.schermType);
    same("WedstrijdNummer", w.WedstrijdNummer, model_.wedstrijdNummer);
    same("MoetSaven", w.MoetSaven, model_.moetSaven);
    same("ShowTieBreaker", w.ShowTieBreaker, model_.showTie);
    same("TimeZone", w.TimeZone, model_.timeZone);
    same("TeamToShow", w.TeamToShow, model_.teamToShow);
    for (int i = 0; i < kMatches; ++i) {
        const Game& g = w.Wedstrijd[i];
        const MatchResult actual{g.score1, g.score2, g.gespeeld};
        const MatchResult& expected = model_.results[static_cast<std::size_t>(i)];
        Check(actual == expected,
              "match " + std::to_string(i) + " holds " + std::to_string(g.score1) + "-" +
                  std::to_string(g.score2) + " played " + std::to_string(g.gespeeld) +
                  ", expected " + std::to_string(expected.score1) + "-" +
                  std::to_string(expected.score2) + " played " + std::to_string(expected.played));
    }
}

// The groups as the last standings computation left them: each its own four teams.
void Soak::CheckGroups() {
    TDrawWindow& w = Client();
    std::array<int, kTeams> seen{};
    for (const TPoel* poel : {&w.PoelA, &w.PoelB, &w.PoelC, &w.PoelD})
        for (std::int32_t team : *poel) {
            Check(team >= 0 && team < kTeams, "a group holds team " + std::to_string(team));
            ++seen[static_cast<std::size_t>(team)];
        }
    for (int team = 0; team < kTeams; ++team)
        Check(seen[static_cast<std::size_t>(team)] == 1,
              "team " + std::to_string(team) + " is in " +
                  std::to_string(seen[static_cast<std::size_t>(team)]) + " groups");
}

} // namespace

int RunSoak(const SoakOptions& options, Journal& journal) {
    Soak soak(options, journal);
    return soak.Run();
}
