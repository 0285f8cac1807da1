// SPDX-License-Identifier: GPL-3.0-or-later
// The in-process benchmarks run in one QApplication, headless unless a platform is
// chosen, in an empty working directory: nothing reads or writes a real results file.
#include "platform/qt/canvas/pictures.h"
#include "platform/qt/session/runtime_dir.h"
#include "views/pictures.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const RuntimeDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Without its pictures every view would draw less than the program's.
    if (!CachedPicture(kMapBitmap) || !CachedPicture(kFirstFlagBitmap)) {
        std::fputs("korvel_bench: the pictures are not compiled in\n", stderr);
        return 1;
    }

    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path()))
        return 2;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
