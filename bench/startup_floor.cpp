// The least a Qt Widgets program of Korvel's shape costs to start: a main window with a
// menu bar, a 24-button tool bar and a status bar, whose client area paints about 150
// short texts in the views' font once and then ends. Korvel's start-up is measured
// against it, in the same run, so that the machine's speed and the toolkit's own
// start-up (platform plugin, fonts, style) drop out of the comparison.
//
// With KORVEL_STARTUP_TRACE set it writes to stderr when each step was reached,
// counted from the moment the program's code starts (after the dynamic loader).
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
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
        if (!ending_) {
            Trace("page painted: ending");
            ending_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
    }

  private:
    QFont font_{QStringLiteral("DejaVu Sans")};
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
