// SPDX-License-Identifier: GPL-3.0-or-later
// One libFuzzer target per check; KORVEL_FUZZ_TARGET names which.
#include "checks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

korvel_checks::Target Chosen() {
    for (const korvel_checks::Target& target : korvel_checks::Targets())
        if (std::strcmp(target.name, KORVEL_FUZZ_TARGET) == 0)
            return target;
    std::fprintf(stderr, "no check named %s\n", KORVEL_FUZZ_TARGET);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const korvel_checks::Target target = Chosen();
    const std::string failure = target.check({data, size});
    if (!failure.empty()) {
        std::fprintf(stderr, "%s: %s\n", target.name, failure.c_str());
        std::abort();
    }
    return 0;
}
