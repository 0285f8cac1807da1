// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/export/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace {

constexpr const char* kModuleFile = "korvel-print.so";

QStringList Candidates() {
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders;
    // Installed: the module in the program's library folder, found from the program's
    // own place, so that the package works under any prefix.
    folders << QDir(program).filePath(QStringLiteral(KORVEL_MODULE_FROM_PROGRAM));
    // Built: the module beside the program (the build copies it beside each program
    // that needs it).
    folders << program;
    QStringList files;
    for (const QString& folder : folders)
        files << QDir(folder).filePath(QString::fromLatin1(kModuleFile));
    return files;
}

} // namespace

const PrintModule* LoadPrintModule(QString* reason) {
    // The process's one copy of the module, as the system's loader holds it.
    static const PrintModule* loaded = nullptr;
    if (loaded)
        return loaded;
    QString why = QStringLiteral("%1 was not found").arg(QString::fromLatin1(kModuleFile));
    for (const QString& file : Candidates()) {
        if (!QFileInfo(file).isFile())
            continue;
        QLibrary library(file);
        using Entry = const PrintModule* (*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve("korvel_print_module"));
        if (entry) {
            // Kept loaded to the end of the program: nothing unloads it.
            loaded = entry();
            return loaded;
        }
        why = library.errorString();
    }
    if (reason)
        *reason = why;
    return nullptr;
}
