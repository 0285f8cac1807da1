// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/draw_app.h"

int main(int argc, char** argv) {
    // Options lead out of the window; without any, the window starts.
    if (const auto status = RunCommandLine(argc, argv))
        return *status;
    TDrawApp app;
    return app.Run();
}
