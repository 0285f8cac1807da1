// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/draw_app.h"

#include <csignal>

int main(int argc, char** argv) {
    // A write past the file-size limit then fails with EFBIG, and is reported as a
    // failed save or export, rather than ending the program with nothing kept.
    std::signal(SIGXFSZ, SIG_IGN);
    // Options lead out of the window; without any, the window starts.
    if (const auto status = RunCommandLine(argc, argv))
        return *status;
    TDrawApp app;
    return app.Run();
}
