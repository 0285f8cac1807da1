// SPDX-License-Identifier: GPL-3.0-or-later
// A print module of another version than the program's: the program must refuse it
// before it calls anything in it, so its functions are left out.
#include "platform/qt/export/print_module.h"

extern "C" __attribute__((visibility("default"))) const PrintModule* korvel_print_module() {
    static constexpr PrintModule module{kPrintModuleVersion + 1, nullptr, nullptr, nullptr};
    return &module;
}
