// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the fuzz targets' seed corpus and every input that ever broke one of
// their properties, so the ordinary build keeps them fixed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "Cp932Properties.h"
#include "RegFileProperties.h"

namespace zunpeko::fuzz {
namespace {

namespace fs = std::filesystem;
using Check = std::function<std::optional<std::string>(std::string_view)>;

fs::path FuzzFolder() {
    const char* source = std::getenv("ZUNPEKO_SOURCE_DIR");
    return fs::path(source != nullptr ? source : ".") / "tests" / "fuzz";
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs check on every file of folder (which may be missing) and returns how
// many there were.
int ReplayFolder(const fs::path& folder, const Check& check) {
    int files = 0;
    if (!fs::is_directory(folder)) {
        return files;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        ++files;
        EXPECT_EQ(check(ReadAll(entry.path())), std::nullopt) << entry.path();
    }
    return files;
}

TEST(FuzzReplay, KeepsTheStoreFilePropertiesForEverySeedAndEveryFormerCrash) {
    EXPECT_GT(ReplayFolder(FuzzFolder() / "corpus" / "regfile", CheckRegFileRoundTrip), 0);
    ReplayFolder(FuzzFolder() / "regressions" / "regfile", CheckRegFileRoundTrip);
}

TEST(FuzzReplay, KeepsTheCodePageConversionsForEverySeedAndEveryFormerCrash) {
    EXPECT_GT(ReplayFolder(FuzzFolder() / "corpus" / "cp932", CheckCp932Conversions), 0);
    ReplayFolder(FuzzFolder() / "regressions" / "cp932", CheckCp932Conversions);
}

}  // namespace
}  // namespace zunpeko::fuzz
