// SPDX-License-Identifier: GPL-3.0-or-later
// korvel_soak [--seed S] [--actions N] [--sample-at K] [--memory-bound-mib M]
//             [--verbose]
//
// The real frame in an offscreen QApplication, in a fresh working directory, under a
// watchdog thread: whatever hangs (a modal window nobody answers, a loop that never
// ends) ends the run with the trace instead of blocking it.
#include "journal.h"
#include "soak.h"

#include "platform/qt/session/runtime_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>

#ifndef KORVEL_HELP_FILE
#define KORVEL_HELP_FILE ""
#endif

namespace {

constexpr double kHangSeconds = 120.0;

Journal* gJournal = nullptr;

// Qt's own complaints are faults of the program too: painting outside a paint event, a
// painter on a device that already has one, a widget used after it was deleted.
void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    const QByteArray text = message.toLocal8Bit();
    if (type == QtDebugMsg || type == QtInfoMsg) {
        std::fprintf(stderr, "%s\n", text.constData());
        return;
    }
    // The offscreen platform says so when asked for what only a real screen can do.
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    if (gJournal)
        gJournal->Fail("Qt says: " + text.toStdString());
    std::fprintf(stderr, "Qt says: %s\n", text.constData());
    std::abort();
}

bool ParseLong(const char* text, long& value) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0')
        return false;
    value = parsed;
    return true;
}

int Usage() {
    std::fprintf(stderr, "usage: korvel_soak [--seed S] [--actions N] [--sample-at K] "
                         "[--memory-bound-mib M] [--verbose]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    options.seed = std::random_device{}();
    options.helpFile = KORVEL_HELP_FILE;
    long sampleAt = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        long value = 0;
        const bool hasValue = i + 1 < argc && ParseLong(argv[i + 1], value);
        if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--seed" && hasValue && value >= 0 && value <= 0xFFFFFFFFL) {
            options.seed = static_cast<std::uint32_t>(value);
            ++i;
        } else if (arg == "--actions" && hasValue && value > 0) {
            options.actions = value;
            ++i;
        } else if (arg == "--sample-at" && hasValue && value > 0) {
            sampleAt = value;
            ++i;
        } else if (arg == "--memory-bound-mib" && hasValue && value > 0) {
            options.memoryBoundMiB = static_cast<double>(value);
            ++i;
        } else {
            return Usage();
        }
    }
    // A short run samples halfway, so that it still sees whether memory stays flat.
    options.sampleAt = sampleAt > 0 ? sampleAt : std::min(1000L, options.actions / 2);
    if (options.sampleAt <= 0)
        options.sampleAt = 1;

    std::printf("korvel_soak --seed %u --actions %ld\n", options.seed, options.actions);
    std::fflush(stdout);

    Journal journal(options.seed, options.actions);
    gJournal = &journal;

    const RuntimeDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(OnQtMessage);
    QApplication app(argc, argv);

    // The program reads and writes korvel.dat in its working directory, and looks for
    // its help file there first.
    QTemporaryDir workDir(QDir::temp().filePath(QStringLiteral("soak-korvel-XXXXXX")));
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path())) {
        std::fprintf(stderr, "korvel_soak: cannot make a working directory\n");
        return 2;
    }
    if (options.helpFile.empty() ||
        !QFile::copy(QString::fromStdString(options.helpFile), QStringLiteral("korvel.hlp"))) {
        std::fprintf(stderr, "korvel_soak: cannot copy the help file \"%s\"\n",
                     options.helpFile.c_str());
        return 2;
    }

    // A failure ends the process at once: the working directory goes with it all the same.
    journal.AtFailure([&workDir] {
        QDir::setCurrent(QDir::tempPath());
        workDir.remove();
    });

    std::atomic<bool> done{false};
    std::thread watchdog([&journal, &done] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            const double quiet = journal.SecondsSinceProgress();
            if (!done && quiet > kHangSeconds)
                journal.Hung(quiet);
        }
    });

    const int status = RunSoak(options, journal);

    done = true;
    watchdog.join();
    gJournal = nullptr;
    journal.AtFailure({});
    QDir::setCurrent(QDir::tempPath());
    return status;
}
