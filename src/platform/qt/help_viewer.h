#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class WindowHost;

// The program's help window: shows a help file (Markdown text) beside the frame.
// One window serves every request; asking again brings it to the front.
class HelpViewer final : public QWidget {
  public:
    static constexpr const char* kTitle = "Korvel Help";

    HelpViewer(WindowHost& host, QWidget* frame);

    // Finds the file and shows it; a file that cannot be found is reported in a box.
    void Open(const QString& file);
    QTextBrowser* Browser() const { return browser_; }

    // Where a help file is looked for: the working directory, beside the program, and
    // in the installed share directory.
    static QStringList Candidates(const QString& file);

  private:
    WindowHost& host_;
    QTextBrowser* browser_;
};
