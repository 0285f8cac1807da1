// SPDX-License-Identifier: GPL-3.0-or-later
// Export and print draw the views through the window's own paint: a PNG is exactly the
// window's canvas, SVG and PDF keep the team names as text, nothing stops to ask, and
// the frame's keys reach their handlers without adding anything to the menus.
#include "app/command_ids.h"
#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "engine/standings.h"
#include "host_test.h"
#include "platform/qt/chances/chances_window.h"
#include "platform/qt/export/view_export.h"
#include "platform/qt/frame/frame_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace {

// The 1996 scores in match order; knock-outs decided on penalties entered as the
// result that sends the winner on.
constexpr int k1996[kMatches][2] = {
    {1, 1}, {1, 1}, {2, 0}, {1, 1}, {0, 0}, {0, 1}, {2, 1}, {0, 1}, {1, 0}, {0, 2}, {1, 0},
    {2, 1}, {0, 2}, {1, 1}, {0, 3}, {3, 0}, {3, 1}, {1, 2}, {1, 0}, {1, 4}, {0, 3}, {0, 3},
    {3, 3}, {0, 0}, {0, 0}, {1, 0}, {2, 1}, {1, 0}, {0, 1}, {0, 1}, {2, 1},
};

struct ViewCase {
    const char* name;
    int schermType;
    int team;
};

constexpr ViewCase kViews[] = {
    {"standings", 0, 0},    {"schedule", 1, 0},      {"map", 2, 0},
    {"team England", 3, 0}, {"team Croatia", 3, 15}, {"team France", 3, 7},
};

// Every text element of an SVG drawing.
QStringList SvgTexts(const QString& path) {
    QFile file(path);
    QStringList texts;
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText().trimmed();
    return texts;
}

// The PDF checks read the files with poppler's tools; without them they are skipped.
bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// What a poppler tool prints for a PDF; the test package list installs them.
QString Poppler(const char* tool, const QString& pdf) {
    // Text in drawing order: the views' columns would otherwise be read across.
    QStringList arguments{pdf};
    if (tool == std::string_view("pdftotext"))
        arguments = QStringList{QStringLiteral("-raw"), pdf, QStringLiteral("-")};
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(QString::fromLatin1(tool));
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ExportTest : public ::testing::Test {
  protected:
    ExportTest() {
        app_.InitMainWindow();
        Client().FirstTime = 0;
        for (int i = 0; i < kMatches; ++i) {
            Client().Wedstrijd[i].score1 = k1996[i][0];
            Client().Wedstrijd[i].score2 = k1996[i][1];
            Client().Wedstrijd[i].gespeeld = 1;
        }
        window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
    }

    TDrawWindow& Client() { return static_cast<TDrawWindow&>(app_.GetMainWindow()->Client()); }

    void Show(const ViewCase& view) {
        Client().SchermType = view.schermType;
        Client().TeamToShow = view.team;
        Client().Invalidate();
        window_->RunPendingRenders();
    }

    QString File(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // Any box or dialog that opens is noted and closed, so a test sees it instead of
    // hanging on it.
    void WatchForModals() {
        QObject::connect(&watch_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalsSeen_ << modal->windowTitle();
                modal->close();
            }
        });
        watch_.start(20);
    }

    TDrawApp app_;
    std::unique_ptr<QtFrameWindow> window_;
    QTemporaryDir dir_;
    QTimer watch_;
    QStringList modalsSeen_;
};

TEST_F(ExportTest, PngOfEveryViewIsTheWindowsCanvasPixelForPixel) {
    const QSize area = ViewArea();
    for (const ViewCase& view : kViews) {
        SCOPED_TRACE(view.name);
        Show(view);
        const QImage canvas = window_->CanvasImage();
        ASSERT_GE(canvas.width(), area.width());
        ASSERT_GE(canvas.height(), area.height());
        // The picture holds the whole view: the canvas beyond it is untouched.
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = y < area.height() ? area.width() : 0; x < canvas.width(); ++x)
                ASSERT_EQ(canvas.pixel(x, y), 0xffffffffu) << "drawn outside at " << x << "," << y;

        const QString path = File("view.png");
        ASSERT_EQ(ExportView(Client(), path, PictureType::Png), QString());
        const QImage exported(path);
        ASSERT_EQ(exported.size(), area);
        EXPECT_EQ(exported.convertToFormat(QImage::Format_RGB32),
                  canvas.copy(QRect(QPoint(0, 0), area)));
        EXPECT_EQ(Client().Host(), &window_->Host()) << "the window's host is back";
    }
}

// At twice the pixels the views keep their layout, but are drawn anew: text is not a
// doubled copy of the pixels at a ratio of 1. The window at a ratio of 1 is the test
// above.
TEST_F(ExportTest, PngAtScaleTwoIsTheSameViewDrawnSharpNotPixelDoubled) {
    const QSize area = ViewArea();
    for (const ViewCase& view : kViews) {
        SCOPED_TRACE(view.name);
        Show(view);
        const QImage single = RenderView(Client(), 1).convertToFormat(QImage::Format_RGB32);
        const QString path = File("view2.png");
        ASSERT_EQ(ExportView(Client(), path, PictureType::Png, 2), QString());
        const QImage twice = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(twice.size(), area * 2);
        EXPECT_NE(twice, single.scaled(area * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        // Shrunk back, every 2 x 2 block is close to the pixel it stands for.
        const QImage shrunk = twice.scaled(area, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long long difference = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                difference += std::abs(qGray(shrunk.pixel(x, y)) - qGray(single.pixel(x, y)));
        EXPECT_LT(difference / (area.width() * area.height()), 6) << "mean grey difference";
    }
}

TEST_F(ExportTest, ExportNeverStopsForTheTieBreakerReports) {
    // Czech Rep. and Italy are level in group C, decided by their match: the window
    // would report it in a box; an export must not.
    Client().ShowTieBreaker = 1;
    Tournament copy = Client().State();
    TieBreakerDecisions decisions;
    ComputeStandings(copy, &decisions);
    ASSERT_GT(decisions.count, 0) << "the results make the tie-breaker report nothing";
    // Export paints a copy: the window itself is not painted, so group C keeps what it
    // held, however stale.
    Client().PoelC = TPoel{0, 0, 0, 0};
    WatchForModals();
    int shown = 0;
    for (const PictureType format : {PictureType::Png, PictureType::Svg, PictureType::Pdf}) {
        ASSERT_EQ(ExportView(Client(),
                             File(format == PictureType::Png   ? "t.png"
                                  : format == PictureType::Svg ? "t.svg"
                                                               : "t.pdf"),
                             format),
                  QString());
        ASSERT_TRUE(RunPostedEvents());
        shown += static_cast<int>(modalsSeen_.size());
    }
    EXPECT_EQ(shown, 0) << modalsSeen_.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(Client().PoelC, (TPoel{0, 0, 0, 0}));
}

struct VectorCase {
    const char* file;
    PictureType format;
    ViewCase view;
    QStringList names;
};

// A disk that fills after 8 KiB, taken 1 KiB a write, as a nearly full disk does.
std::size_t writtenBeforeFull = 0;
ssize_t WriteTillFull(int fd, const void* data, std::size_t size) {
    constexpr std::size_t kRoom = 8192;
    if (writtenBeforeFull >= kRoom) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t n = std::min<std::size_t>({size, 1024, kRoom - writtenBeforeFull});
    writtenBeforeFull += n;
    return ::write(fd, data, n);
}
int PlainOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
const FileOps kFullDisk{&PlainOpen, &WriteTillFull, &::fsync, &::close, &::rename, &::unlink};

// Every format on a disk that fills up: the export fails with the system's reason,
// the file there before is left exactly as it was, and nothing else is left behind.
TEST_F(ExportTest, AFullDiskFailsTheExportAndKeepsTheOldFile) {
    for (const auto& [name, format] :
         {std::pair{"full.png", PictureType::Png}, std::pair{"full.svg", PictureType::Svg},
          std::pair{"full.pdf", PictureType::Pdf}}) {
        SCOPED_TRACE(name);
        Show(kViews[1]);
        const QString path = File(name);
        ASSERT_EQ(ExportView(Client(), path, format), QString());
        QFile before(path);
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray old = before.readAll();
        before.close();
        writtenBeforeFull = 0;
        Show(kViews[0]);
        EXPECT_EQ(ExportView(Client(), path, format, 1, kFullDisk),
                  QString::fromLocal8Bit(std::strerror(ENOSPC)));
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        EXPECT_EQ(before.readAll(), old);
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));
    }
}

TEST_F(ExportTest, SvgAndPdfOpenAndCarryTheTeamNamesAsText) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    const VectorCase cases[] = {
        {"team.svg", PictureType::Svg, kViews[3], {"England", "Switzerland", "Spain", "Germany"}},
        {"standings.svg", PictureType::Svg, kViews[0], {"European Champion 1996", "Czech Rep."}},
        {"schedule.pdf", PictureType::Pdf, kViews[1], {"England", "Switzerland", "Croatia"}},
        {"map.pdf", PictureType::Pdf, kViews[2], {"Wembley, Londen", "Elland Road, Leeds"}},
    };
    for (const VectorCase& c : cases) {
        SCOPED_TRACE(c.file);
        Show(c.view);
        const QString path = File(c.file);
        ASSERT_EQ(ExportView(Client(), path, c.format), QString());
        QString text;
        if (c.format == PictureType::Svg) {
            QSvgRenderer svg(path);
            EXPECT_TRUE(svg.isValid());
            EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), ViewArea()));
            text = SvgTexts(path).join(QLatin1Char('\n'));
        } else {
            const QString info = Poppler("pdfinfo", path);
            EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
                << info.toStdString();
            EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();
            text = Poppler("pdftotext", path);
        }
        for (const QString& name : c.names)
            EXPECT_TRUE(text.contains(name)) << name.toStdString() << " in " << text.toStdString();
    }
}

// ---------------------------------------------------------------- the frame's keys

class KeysTest : public ExportTest {
  protected:
    void ShowWindow() {
        window_->ShowMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
        window_->RunPendingRenders();
    }
    void Press(const char* keys) {
        QTest::keySequence(&window_->Window(), QKeySequence(QString::fromLatin1(keys)));
    }
    // Presses the keys and answers the dialog of type D they open, as a user would.
    template <class D> void PressAndAnswer(const char* keys, std::function<void(D&)> answer) {
        bool answered = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
                dialog && !answered) {
                answered = true;
                answer(*dialog);
            }
        });
        poll.start(20);
        // The frame has the keyboard back after the previous dialog.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
        Press(keys);
        EXPECT_TRUE(answered) << keys << " opened no dialog";
    }
    template <class W> static W* Child(QWidget& dialog, const char* name) {
        W* child = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << "no " << name << " in " << dialog.windowTitle().toStdString();
        return child;
    }
};

struct SaveCase {
    const char* typed;
    int type; // the dialog's type list: 0-3 PNG at 1 to 4 times the size, 4 SVG, 5 PDF
    const char* written;
};

TEST_F(KeysTest, CtrlEWritesTheCurrentViewToTheFileChosenInTheSaveDialog) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    ShowWindow();
    Show(kViews[1]);
    const SaveCase cases[] = {
        {"bare", 0, "bare.png"},       // the offered type's extension
        {"large", 1, "large.png"},     // twice the pixels
        {"chosen", 5, "chosen.pdf"},   // the extension of the type picked
        {"typed.svg", 0, "typed.svg"}, // an extension typed wins
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.typed);
        PressAndAnswer<QFileDialog>("Ctrl+E", [&](QFileDialog& dialog) {
            auto* types = Child<QComboBox>(dialog, "fileTypeCombo");
            auto* name = Child<QLineEdit>(dialog, "fileNameEdit");
            if (!types || !name)
                return dialog.reject();
            // Offered: a file in the working folder named after the view.
            EXPECT_EQ(name->text(), QStringLiteral("korvel-schedule.png"));
            EXPECT_EQ(dialog.directory(), QDir::current());
            for (int i = types->currentIndex(); i < c.type; ++i)
                QTest::keyClick(types, Qt::Key_Down);
            name->setText(File(c.typed));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString path = File(c.written);
        ASSERT_TRUE(QFile::exists(path)) << QDir(dir_.path()).entryList().join(' ').toStdString();
        if (c.type == 1)
            EXPECT_EQ(QImage(path).size(), ViewArea() * 2);
        else if (path.endsWith(QLatin1String(".png")))
            EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32),
                      window_->CanvasImage().copy(QRect(QPoint(0, 0), ViewArea())));
        else if (path.endsWith(QLatin1String(".pdf")))
            EXPECT_TRUE(Poppler("pdftotext", path).contains(QStringLiteral("Switzerland")));
        else
            EXPECT_TRUE(SvgTexts(path).contains(QStringLiteral("Switzerland")));
    }
}

TEST_F(KeysTest, CtrlPPrintsThroughThePrintDialogToAPdfFileWithoutAPrinter) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    ShowWindow();
    const QString pdf = File("printed.pdf");
    PressAndAnswer<QPrintDialog>("Ctrl+P", [&](QPrintDialog& dialog) {
        EXPECT_EQ(dialog.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        auto* printers = Child<QComboBox>(dialog, "printers");
        auto* file = Child<QLineEdit>(dialog, "filename");
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        if (!printers || !file || !buttons)
            return dialog.reject();
        // Never a real printer, whatever this machine has.
        printers->setCurrentIndex(printers->findText(QStringLiteral("Print to File (PDF)")));
        EXPECT_EQ(file->text(),
                  QDir::current().absoluteFilePath(QStringLiteral("korvel-standings.pdf")));
        file->setText(pdf);
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                button->click();
    });
    const QString text = Poppler("pdftotext", pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("European Champion 1996")));
    // No ligature in the text layer: the word is found as typed.
    EXPECT_TRUE(text.contains(QStringLiteral("semifinales")));
    EXPECT_TRUE(Poppler("pdfinfo", pdf).contains(QStringLiteral("842 x 595 pts (A4)")));
}

TEST_F(KeysTest, CtrlShiftPShowsThePrintPreviewOfTheViewOnALandscapePage) {
    ShowWindow();
    QString title;
    PressAndAnswer<QPrintPreviewDialog>("Ctrl+Shift+P", [&](QPrintPreviewDialog& dialog) {
        title = dialog.windowTitle();
        EXPECT_EQ(dialog.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        EXPECT_EQ(dialog.printer()->outputFileName(),
                  QDir::current().absoluteFilePath(QStringLiteral("korvel-standings.pdf")));
        dialog.reject();
    });
    EXPECT_EQ(title, QStringLiteral("Print preview"));
}

TEST_F(KeysTest, CtrlSSavesAndCtrlQLeavesAsTheFileMenuDoes) {
    ShowWindow();
    Client().MoetSaven = 1;
    QFile::remove(QStringLiteral("korvel.dat"));
    Press("Ctrl+S");
    EXPECT_EQ(QFileInfo(QStringLiteral("korvel.dat")).size(), 93);
    EXPECT_EQ(Client().MoetSaven, 0);

    // With a result unsaved again, the same question as "&Exit"; Yes leaves with 1.
    Client().MoetSaven = 1;
    QString asked;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(20);
    QTimer::singleShot(0, [this] { Press("Ctrl+Q"); });
    QTimer::singleShot(15000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(asked, QStringLiteral("Exit Korvel|Entered results have not been saved\nexit "
                                    "anyway (and lose them)?"));
    QFile::remove(QStringLiteral("korvel.dat"));
}

// The chances window follows the results: with every match played Germany is champion for
// sure; a final without a result leaves it open, without a window that stops to wait.
TEST_F(KeysTest, F9OpensTheChancesWhichFollowEveryResult) {
    ShowWindow();
    Client().ChancesRuns = 3000;
    Press("F9");
    auto* chances = window_->Window().findChild<ChancesWindow*>(QStringLiteral("chances"));
    ASSERT_NE(chances, nullptr);
    EXPECT_TRUE(chances->isVisible());
    auto* table = chances->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    const int mark = table->columnCount() - 1;
    auto shows = [&](const char* germany) {
        for (int waited = 0; waited < 60000; waited += 20) {
            if (table->item(8, mark)->text() == QLatin1String(germany) &&
                table->item(8, mark - 1)->text() != QString())
                return true;
            QTest::qWait(20);
        }
        return false;
    };
    Client().Wedstrijd[kFinal].gespeeld = 0;
    EXPECT_TRUE(shows("through")) << "no final: " << table->item(8, mark)->text().toStdString();
    EXPECT_NE(table->item(8, mark - 1)->text(), QLatin1String("100%"));
    Client().Wedstrijd[kFinal].gespeeld = 1;
    EXPECT_TRUE(shows("champion"));
    EXPECT_EQ(table->item(8, mark - 1)->text(), QLatin1String("100%"));
    EXPECT_EQ(table->item(0, mark)->text(), QLatin1String("out"));
    // A screen reader meets a table with its column headings.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Table);
    ASSERT_NE(reader->tableInterface(), nullptr);
    EXPECT_EQ(reader->tableInterface()->columnCount(), mark + 1);
}

TEST_F(KeysTest, F1OpensTheHelpAndTheMenusGainNoShortcut) {
    ShowWindow();
    {
        QFile help(QStringLiteral("korvel.hlp"));
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
        help.write("# Keys\n");
    }
    Press("F1");
    EXPECT_EQ(window_->Window().findChildren<QWidget*>(QStringLiteral("helpViewer")).size(), 1);
    QFile::remove(QStringLiteral("korvel.hlp"));
    // Only "&Exit" carries a key (Alt+F9) in the menus; the new keys stay out of them.
    for (QAction* action : window_->MenuBar()->findChildren<QAction*>()) {
        if (action->data().toInt() == CM_FILEEXIT)
            continue;
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
}

} // namespace
