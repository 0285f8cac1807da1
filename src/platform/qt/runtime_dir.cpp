// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/runtime_dir.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>

RuntimeDir::RuntimeDir() {
    const char* current = std::getenv("XDG_RUNTIME_DIR");
    if (current && *current && QFileInfo(QString::fromLocal8Bit(current)).isDir())
        return;
    auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                               QStringLiteral("/korvel-runtime-XXXXXX"));
    if (!dir->isValid())
        return;
    // QTemporaryDir creates the directory readable by its owner only, as Qt demands.
    ::setenv("XDG_RUNTIME_DIR", QFile::encodeName(dir->path()).constData(), 1);
    own_ = std::move(dir);
}

RuntimeDir::~RuntimeDir() = default;
