// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWidget>

#include <vector>

class QTextBrowser;
class QTextDocument;
class QUrl;
class WindowHost;

// The program's help window: shows a help file (Markdown text) beside the frame.
// One window serves every request; asking again brings it to the front. Escape
// closes it.
//
// The help file may be anyone's (the working directory is searched first), so it is
// read only if it is a regular file of at most kMaxBytes of UTF-8 text; anything else
// is said in the window instead; so is a file with more tables than the viewer lays out
// in about a second. Raw HTML shows as text. A large file is parsed on a thread of its
// own, so the program never waits on it, and only one at a time. Links to a section of the file
// jump to it; no link leaves the file: other addresses show as text, and nothing is loaded from
// outside.
class HelpViewer final : public QWidget {
  public:
    static constexpr const char* kTitle = "Korvel Help";
    static constexpr qsizetype kMaxBytes = 1024 * 1024;

    // A window of the frame's own, deleted with it.
    HelpViewer(WindowHost& host, QWidget& frame);
    // Waits for a help file still being parsed: at most about a second.
    ~HelpViewer() override;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Finds the file and shows it; a file that cannot be found is reported in a box.
    void Open(const QString& file);
    QTextBrowser* Browser() const { return browser_; }

    // Where a help file is looked for: the working directory, beside the program, and
    // in the installed share directory.
    static QStringList Candidates(const QString& file);

  private:
    void ShowText(const QString& path, const QByteArray& bytes);
    void ShowMessage(const QString& path, const QString& why);
    void FollowLink(const QUrl& url);
    void Adopt(QTextDocument& document);

    WindowHost& host_;
    QTextBrowser* browser_;
    QTextDocument* adopted_ = nullptr; // the last document parsed on a thread
    int request_ = 0;                  // the latest file asked for; older results go
    std::vector<QPointer<QThread>> workers_;
};
