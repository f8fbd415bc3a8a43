// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry point: any bytes, checked against the properties of
// RegFileProperties.h. A broken property aborts with what broke, so libFuzzer
// keeps the input as a crash file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "RegFileProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto problem = zunpeko::fuzz::CheckRegFileRoundTrip(bytes)) {
        std::fprintf(stderr, "regfile: %s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
