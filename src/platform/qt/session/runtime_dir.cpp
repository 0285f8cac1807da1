// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the private runtime directory in the temporary folder, named after the process,
// and removes those that processes which ended without cleaning up left behind.
#include "platform/qt/session/runtime_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr const char* kPrefix = "korvel-runtime-";

// A process that ends without unwinding (the display lost, a fault) leaves its folder
// behind; each is named after its process, and goes once that process is gone.
void RemoveFoldersOfEndedProcesses() {
    const QDir temp(QDir::tempPath());
    const QString prefix = QString::fromLatin1(kPrefix);
    for (const QFileInfo& folder :
         temp.entryInfoList({prefix + QStringLiteral("*-*")}, QDir::Dirs | QDir::NoSymLinks)) {
        bool isNumber = false;
        const qint64 pid = folder.fileName()
                               .mid(prefix.size())
                               .section(QLatin1Char('-'), 0, 0)
                               .toLongLong(&isNumber);
        if (!isNumber || pid <= 0 || folder.ownerId() != ::geteuid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            QDir(folder.filePath()).removeRecursively();
    }
}

} // namespace

RuntimeDir::RuntimeDir() {
    const char* current = std::getenv("XDG_RUNTIME_DIR");
    if (current && *current && QFileInfo(QString::fromLocal8Bit(current)).isDir())
        return;
    RemoveFoldersOfEndedProcesses();
    auto dir = std::make_unique<QTemporaryDir>(
        QDir::tempPath() + QLatin1Char('/') + QString::fromLatin1(kPrefix) +
        QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX"));
    if (!dir->isValid())
        return;
    // QTemporaryDir creates the directory readable by its owner only, as Qt demands.
    ::setenv("XDG_RUNTIME_DIR", QFile::encodeName(dir->path()).constData(), 1);
    own_ = std::move(dir);
}

RuntimeDir::~RuntimeDir() = default;
