// SPDX-License-Identifier: GPL-3.0-or-later
// Finds and loads the print module, and refuses one of another version.
#include "platform/qt/export/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace {

constexpr const char* kModuleFile = "korvel-print.so";

// Whether folder is the build tree the program was built in, or a folder in it.
bool InBuildTree(const QString& folder) {
    const QString tree = QDir(QStringLiteral(KORVEL_BUILD_TREE)).canonicalPath();
    const QString here = QDir(folder).canonicalPath();
    return !tree.isEmpty() && (here == tree || here.startsWith(tree + QLatin1Char('/')));
}

// The folders to look in, in order. A build's own module comes first when the program
// runs in its build tree (the build puts the module beside each program that needs it);
// an installed program looks only where it was installed, never beside itself.
QStringList Folders() {
    QStringList folders;
    const QString program = QCoreApplication::applicationDirPath();
    if (InBuildTree(program))
        folders << program;
    folders << QStringLiteral(KORVEL_MODULE_FOLDER);
    return folders;
}

} // namespace

QString PrintModuleRefusal(const QString& file, const PrintModule* module) {
    if (!module)
        return QStringLiteral("%1 gave no module").arg(file);
    if (module->version != kPrintModuleVersion)
        return QStringLiteral("%1 is version %2 of the print module; this Korvel needs version %3")
            .arg(file)
            .arg(module->version)
            .arg(kPrintModuleVersion);
    return {};
}

const PrintModule* LoadPrintModule(QString* reason) {
    // The process's one copy of the module, as the system's loader holds it.
    static const PrintModule* loaded = nullptr;
    if (loaded)
        return loaded;
    const QStringList folders = Folders();
    QString why = QStringLiteral("%1 was not found in %2")
                      .arg(QString::fromLatin1(kModuleFile), folders.join(QStringLiteral(" or ")));
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QString::fromLatin1(kModuleFile));
        if (!QFileInfo(file).isFile())
            continue;
        QLibrary library(file);
        // Every symbol resolved now: a module that lacks one fails here, with the
        // loader's reason, and not in the middle of an export or a print.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        using Entry = const PrintModule* (*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve("korvel_print_module"));
        if (!entry) {
            why = library.errorString();
            continue;
        }
        // A module refused stays loaded, unused: unloading code that links Qt while Qt
        // runs is not safe. One that is used is kept to the end of the program.
        const PrintModule* module = entry();
        why = PrintModuleRefusal(file, module);
        if (why.isEmpty()) {
            loaded = module;
            return loaded;
        }
    }
    if (reason)
        *reason = why;
    return nullptr;
}
