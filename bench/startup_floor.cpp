// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program of Korvel's shape costs to start: a main window with a
// menu bar, a 24-button tool bar and a status bar, whose client area paints about 150
// short texts in the views' font. Korvel's start-up is measured against it, in the same
// run, so that the machine's speed and the toolkit's own start-up (platform plugin,
// fonts, style) drop out of the comparison.
//
// Built twice. The equal-work floor (KORVEL_FLOOR_BOX=1) also does what Korvel visibly
// does before its first view: over the painted page it shows an information box of
// eleven plain lines with an OK button, answers it once the box has been drawn, and
// ends when the page is on screen again. The bare floor (KORVEL_FLOOR_BOX=0) paints the
// page once and ends: the yardstick of the earlier measurements, kept for comparison.
//
// With KORVEL_STARTUP_TRACE set it writes to stderr when each step was reached,
// counted from the moment the program's code starts (after the dynamic loader).
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

const auto kLoaded = std::chrono::steady_clock::now();
const bool kTrace = std::getenv("KORVEL_STARTUP_TRACE") != nullptr;

void Trace(const char* step) {
    if (!kTrace)
        return;
    const std::chrono::duration<double, std::milli> since =
        std::chrono::steady_clock::now() - kLoaded;
    std::fprintf(stderr, "%8.2f ms  %s\n", since.count(), step);
}

struct TraceExit {
    ~TraceExit() { Trace("main returned, everything destroyed"); }
} traceExit;

#ifndef KORVEL_FLOOR_BOX
#define KORVEL_FLOOR_BOX 1
#endif

constexpr int kButtons = 24;
constexpr int kColumns = 6;
constexpr int kRows = 25; // 150 texts
constexpr int kColumnWidth = 100;
constexpr int kRowHeight = 16;

class Page final : public QWidget {
  public:
    Page() {
        font_.setPixelSize(12);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setFont(font_);
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                painter.setPen(row % 4 == 0 ? Qt::darkBlue : Qt::black);
                painter.drawText(10 + column * kColumnWidth, (row + 1) * kRowHeight,
                                 QStringLiteral("Row %1 - %2").arg(row).arg(column * 3));
            }
        }
        if (ending_)
            return;
        if (KORVEL_FLOOR_BOX && !boxShown_) {
            Trace("page painted");
            boxShown_ = true;
            QTimer::singleShot(0, this, [this] { ShowBox(); });
            return;
        }
        Trace("page painted: ending");
        ending_ = true;
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Paint && !answered_) {
            Trace("box painted");
            answered_ = true;
            QTimer::singleShot(0, box, [box] {
                Trace("box answered");
                box->defaultButton()->click();
            });
        }
        return false;
    }

  private:
    // A box of the same kind as Korvel's welcome: icon, one button, the same number of
    // lines, the text not selectable; answered, like it, as soon as it has been drawn.
    void ShowBox() {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Floor"),
                        QStringLiteral("Floor - a program of Korvel's shape\n\n"
                                       "It shows a box of the same kind as the welcome\n"
                                       "box, with as many lines of about the same\n"
                                       "length, answered once it has been drawn\n\n"
                                       "Then the page shows again and the program ends\n\n"
                                       "The box and the page use the same fonts and\n"
                                       "the same style as the window around them\n"
                                       "Nothing else happens in between\n"),
                        QMessageBox::NoButton, window());
        box.setTextFormat(Qt::PlainText);
        box.setTextInteractionFlags(Qt::NoTextInteraction);
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.installEventFilter(this);
        Trace("box shown");
        box.exec();
        update();
    }

    QFont font_{QStringLiteral("DejaVu Sans")};
    bool boxShown_ = false;
    bool answered_ = false;
    bool ending_ = false;
};

QIcon Glyph(int i) {
    QPixmap pixmap(20, 20);
    pixmap.fill(QColor::fromHsv(i * 360 / kButtons, 160, 220));
    return QIcon(pixmap);
}

} // namespace

int main(int argc, char** argv) {
    Trace("main");
    QApplication app(argc, argv);
    Trace("application object made");
    // As Korvel: the boxes take Qt's own icons, no search of the desktop's icon themes.
    QIcon::setThemeSearchPaths({QStringLiteral(":/no-icon-themes")});
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));

    const char* const menus[] = {"&File", "&Edit", "&Show", "&Teams", "&Configure", "&Help"};
    for (const char* title : menus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int item = 1; item <= 4; ++item)
            menu->addAction(QStringLiteral("Command %1").arg(item));
    }

    auto* bar = new QToolBar(QStringLiteral("Buttons"), &window);
    bar->setIconSize(QSize(20, 20));
    bar->setMovable(false);
    for (int i = 0; i < kButtons; ++i)
        bar->addAction(Glyph(i), QStringLiteral("Button %1").arg(i + 1));
    window.addToolBar(Qt::TopToolBarArea, bar);

    window.setStatusBar(new QStatusBar(&window));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new Page);

    // The same size as Korvel's frame: the whole available area of the screen.
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    Trace("window built, shown");
    return QApplication::exec();
}
