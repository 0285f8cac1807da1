// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer: where the help file is looked for, one viewer reused, files it refuses
// to show and why, links that stay inside the file, and the shipped help file's contents.
#include "host_test.h"
#include "platform/qt/help/help_viewer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/stat.h>

namespace {

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

} // namespace
