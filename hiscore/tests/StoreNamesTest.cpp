// SPDX-License-Identifier: GPL-3.0-or-later
// Names of any bytes through the real store file: saved at the end of one run
// of the game and read back at the start of the next.
#include <gtest/gtest.h>

#include <string>

#include "GameOnFile.h"
#include "TestFiles.h"

namespace zunpeko {
namespace {

using store_testing::GameOnFile;

class StoreNames : public ::testing::Test {
  protected:
    // Saves a game that enters name at rank 1, then starts the game again.
    SjisText SavedAndReadBack(const SjisText& name) {
        EXPECT_EQ(GameOnFile(path_, name).Play(nextScore_++), "");
        GameOnFile next(path_, "");
        EXPECT_EQ(next.Play(std::nullopt), "");
        return next.Table().Entries()[0].name;
    }

    testing::ScratchFolder folder_;
    QString path_ = folder_.Store();
    std::int32_t nextScore_ = 1000;  // above every earlier entry
};

TEST_F(StoreNames, EveryByteValueFromOneTo255ComesBackByteForByte) {
    // Twenty bytes at a time, the most a name holds: quotes, backslashes,
    // control bytes, lone lead bytes and bytes no character uses among them.
    for (int first = 1; first <= 255; first += 20) {
        SjisText name;
        for (int b = first; b < first + 20 && b <= 255; ++b) {
            name += static_cast<char>(b);
        }
        EXPECT_EQ(SavedAndReadBack(name), name) << "bytes from " << first;
    }
}

TEST_F(StoreNames, ANameWithAZeroByteComesBackEndingThere) {
    // A registry string ends at its first zero byte, whatever follows it.
    EXPECT_EQ(SavedAndReadBack(std::string("ab\0cd", 5)), "ab");
}

}  // namespace
}  // namespace zunpeko
