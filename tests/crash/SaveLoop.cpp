// SPDX-License-Identifier: GPL-3.0-or-later
// zunpeko-save-loop FILE A|B [SAVES]
//
// Saves the hi-score table into the store file FILE through the program's own
// store, over and over (SAVES times, or until killed when SAVES is 0 or
// missing): the table named first, then the other, then the first again, each
// save handing the six values to the store together, as the game does. Prints "ready" once the key
// is open, so the crash-safety test can kill it at a chosen moment after that.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FileRegistry.h"
#include "SaveLoopTables.h"

namespace {

using zunpeko::RegKey;
using zunpeko::crash::SavedTable;

// The six values in one call, as the game's save hands them to the store.
bool Save(zunpeko::FileRegistry& registry, RegKey key, const SavedTable& table) {
    zunpeko::Registry::NamedValues values;
    for (std::size_t rank = 0; rank < table.size(); ++rank) {
        values.emplace_back(zunpeko::crash::kScoreValues[rank],
                            zunpeko::DwordValue(static_cast<std::uint32_t>(table[rank].score)));
    }
    for (std::size_t rank = 0; rank < table.size(); ++rank) {
        values.emplace_back(zunpeko::crash::kNameValues[rank],
                            zunpeko::StringValue(table[rank].name));
    }
    return registry.SetValues(key, values) == values.size();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc >= 3 ? argv[2] : "";
    if (argc < 3 || argc > 4 || (first != "A" && first != "B")) {
        std::fputs("usage: zunpeko-save-loop FILE A|B [SAVES]\n", stderr);
        return 2;
    }
    const long saves = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 0;
    const bool startWithA = first == "A";
    zunpeko::FileRegistry registry(QString::fromLocal8Bit(argv[1]));
    auto key = registry.OpenKey("Zunpeko", zunpeko::RegAccess::kFull);
    if (!key) {
        key = registry.CreateKey("Zunpeko");
    }
    if (!key) {
        std::fprintf(stderr, "zunpeko-save-loop: cannot open the key in %s\n", argv[1]);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    for (long i = 0; saves <= 0 || i < saves; ++i) {
        const bool tableA = (i % 2 == 0) == startWithA;
        const SavedTable& table = tableA ? zunpeko::crash::kTableA : zunpeko::crash::kTableB;
        if (!Save(registry, *key, table)) {
            std::fprintf(stderr, "zunpeko-save-loop: save %ld failed\n", i + 1);
            return 1;
        }
    }
    return 0;
}
