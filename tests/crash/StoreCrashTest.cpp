// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a program that keeps saving the hi-score table, at random moments,
// and checks the store file after every kill.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <thread>

#include "ChildProcess.h"
#include "RegDocument.h"
#include "SaveLoopTables.h"
#include "TestFiles.h"

namespace zunpeko::crash {
namespace {

constexpr int kKills = 200;
constexpr std::int64_t kMinLongestDelayUs = 20000;
constexpr std::int64_t kMaxLongestDelayUs = 320000;
constexpr int kStretch = 10;
constexpr std::uint32_t kSeed = 932U;
constexpr std::size_t kSlots = 6;  // HSC1..3, then SName1..3: the order of a save
constexpr std::string_view kTableKey = "HKEY_CURRENT_USER\\Zunpeko";
// Lines the store must keep through every save.
constexpr std::string_view kKeptLine = "; a line the store does not understand";
constexpr std::string_view kOtherValue = "Other";

using Slots = std::array<std::optional<RegValue>, kSlots>;

std::string_view SlotName(std::size_t slot) {
    return slot < 3 ? kScoreValues[slot] : kNameValues[slot - 3];
}

RegValue ValueIn(const SavedTable& table, std::size_t slot) {
    return slot < 3 ? DwordValue(static_cast<std::uint32_t>(table[slot].score))
                    : StringValue(table[slot - 3].name);
}

class StoreCrashSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::WriteBytes(
            path_, "REGEDIT4\r\n\r\n" + std::string(kKeptLine) + "\r\n[" + std::string(kTableKey) +
                       "]\r\n\"" + std::string(kOtherValue) + "\"=\"keep me\"\r\n"));
    }

    // The six values as the file holds them now; a failure if it does not
    // parse or has lost what it held besides the table.
    Slots ReadSlots() {
        Slots state;
        const std::string text = testing::ReadBytes(path_);
        const auto document = RegDocument::Parse(text);
        if (!document) {
            ADD_FAILURE() << "the store file does not parse:\n" << text;
            return state;
        }
        EXPECT_NE(text.find(kKeptLine), std::string::npos) << "a line was lost";
        EXPECT_EQ(document->FindValue(kTableKey, kOtherValue), StringValue("keep me"));
        for (std::size_t slot = 0; slot < kSlots; ++slot) {
            state[slot] = document->FindValue(kTableKey, SlotName(slot));
        }
        return state;
    }

    // Files beside the store file, left there by replacements cut short.
    // QLockFile's own ".rmlock" files, which it makes while clearing away a
    // lock whose holder died and removes the next time it does, are not ours.
    int StrayFiles() const {
        int strays = 0;
        for (const QString& name :
             QDir(folder_.StoreFolder()).entryList(QDir::Files | QDir::Hidden)) {
            strays += name == QStringLiteral("user.reg") || name.endsWith(QStringLiteral(".rmlock"))
                          ? 0
                          : 1;
        }
        return strays;
    }

    testing::ScratchFolder folder_;
    QString path_ = folder_.Store();
};

Slots TableSlots(const SavedTable& table) {
    Slots state;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        state[slot] = ValueIn(table, slot);
    }
    return state;
}

TEST_F(StoreCrashSafety, LeavesTheOldTableOrTheNewAndNothingElseLostAfterEachKill) {
    // Two whole saves, B then A, timed: the kills below land anywhere in the
    // first two saves of a run, however slow this machine's disk is.
    std::chrono::microseconds twoSaves{0};
    {
        // Every run below starts on the lock file a killed run left, which
        // takes a moment to see through; so does the timed one.
        ChildProcess killed(ZUNPEKO_SAVE_LOOP, {path_.toStdString(), "A"});
        ASSERT_TRUE(killed.WaitForLine("ready"));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        killed.Kill();
        ChildProcess seed(ZUNPEKO_SAVE_LOOP, {path_.toStdString(), "B", "2"});
        ASSERT_TRUE(seed.Running());
        ASSERT_TRUE(seed.WaitForLine("ready"));
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(seed.Wait(), 0);
        twoSaves = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
    }
    Slots previous = ReadSlots();
    ASSERT_EQ(previous, TableSlots(kTableA));

    std::mt19937 random(kSeed);
    // The kills land anywhere up to twice the time two saves took. A save's
    // flush to the disk takes longer on a busy machine than it did when timed:
    // while too few kills come after a save, the range grows.
    std::int64_t longestDelayUs = std::max<std::int64_t>(kMinLongestDelayUs, 2 * twoSaves.count());
    int changed = 0;
    int changedThisStretch = 0;
    int mostStrays = 0;
    QString mostStraysSeen;
    for (int kill = 1; kill <= kKills; ++kill) {
        if (kill % kStretch == 0) {
            if (changedThisStretch < kStretch / 4 && longestDelayUs < kMaxLongestDelayUs) {
                longestDelayUs *= 2;
            }
            changedThisStretch = 0;
        }
        std::uniform_int_distribution<std::int64_t> delayUs(0, longestDelayUs);
        // Runs start with table A and table B in turn, so that the first
        // writes of a run mostly change the file.
        const bool startWithA = kill % 2 == 0;
        ChildProcess loop(ZUNPEKO_SAVE_LOOP, {path_.toStdString(), startWithA ? "A" : "B"});
        ASSERT_TRUE(loop.Running());
        ASSERT_TRUE(loop.WaitForLine("ready")) << "kill " << kill;
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        loop.Kill();

        const Slots now = ReadSlots();
        ASSERT_TRUE(now == TableSlots(kTableA) || now == TableSlots(kTableB))
            << "kill " << kill << " left a table that is neither the old one nor the new one";
        changed += now != previous ? 1 : 0;
        changedThisStretch += now != previous ? 1 : 0;
        if (StrayFiles() > mostStrays) {
            mostStrays = StrayFiles();
            mostStraysSeen =
                QDir(folder_.StoreFolder()).entryList(QDir::Files | QDir::Hidden).join(u' ');
        }
        previous = now;
    }
    // Some kills must have come after a save took and some before, or this
    // test saw little.
    EXPECT_GT(changed, kKills / 10);
    EXPECT_LT(changed, kKills);
    // Each replacement writes a temporary file first, under a lock file;
    // kills must not leave them piling up (a leftover per kill mid-write
    // would be dozens here): at most the temporary of the last write cut
    // short and the lock file.
    EXPECT_LE(mostStrays, 2) << mostStraysSeen.toStdString();
    RecordProperty("two_saves_us", static_cast<int>(twoSaves.count()));
    RecordProperty("kills_after_a_save", changed);
    RecordProperty("most_stray_files", mostStrays);
    RecordProperty("longest_delay_us", static_cast<int>(longestDelayUs));
}

}  // namespace
}  // namespace zunpeko::crash
