#include "platform/qt/help_viewer.h"

#include "platform/window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(WindowHost& host, QWidget* frame)
    : QWidget(frame, Qt::Window), host_(host), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QString::fromLatin1(kTitle));
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);
}

QStringList HelpViewer::Candidates(const QString& file) {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {
        QDir::current().filePath(file),
        QDir(programDir).filePath(file),
        QDir(programDir).filePath(QStringLiteral("../share/korvel/") + file),
    };
}

void HelpViewer::Open(const QString& file) {
    for (const QString& candidate : Candidates(file)) {
        QFile help(candidate);
        if (!QFileInfo(candidate).isFile() || !help.open(QIODevice::ReadOnly))
            continue;
        browser_->setSearchPaths({QFileInfo(candidate).absolutePath()});
        browser_->setMarkdown(QString::fromUtf8(help.readAll()));
        show();
        raise();
        activateWindow();
        return;
    }
    const QString text = QStringLiteral("Cannot find the help file %1.").arg(file);
    host_.MessageBox(text.toStdString(), kTitle, MB_OK | MB_ICONEXCLAMATION);
}
