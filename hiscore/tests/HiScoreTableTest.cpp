// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "Cp932.h"
#include "HiScoreTable.h"
#include "MemoryRegistry.h"
#include "PlatformError.h"
#include "RecordingDisplay.h"
#include "RecordingPrompt.h"

namespace zunpeko {
namespace {

using Log = std::vector<std::string>;
using Entries = std::array<HiScoreEntry, 3>;

class HiScoreTableTest : public ::testing::Test {
  public:
    void StoreTable() {
        registry.keyExists = true;
        registry.values = {{"SName1", StringValue("one")},   {"HSC1", DwordValue(300)},
                           {"SName2", StringValue("two")},   {"HSC2", DwordValue(200)},
                           {"SName3", StringValue("three")}, {"HSC3", DwordValue(100)}};
    }
    // The text of the PlatformError the call raises.
    template <typename Call>
    static SjisText FailureOf(Call call) {
        try {
            call();
        } catch (const PlatformError& error) {
            return error.Text();
        }
        return "(no error)";
    }

    testing::MemoryRegistry registry;
    testing::RecordingPrompt prompt;
    testing::RecordingDisplay display;
    HiScoreTable table{registry, prompt, display};
};

Log SaveOrder() {
    return {"set HSC1", "set HSC2", "set HSC3", "set SName1", "set SName2", "set SName3"};
}

TEST_F(HiScoreTableTest, FirstRunCreatesTheKeyAndWritesEachDefaultAsItGoes) {
    table.LoadHiScores();
    EXPECT_EQ(registry.log,
              (Log{"open full", "open read", "create", "query HSC1", "set HSC1", "query HSC2",
                   "set HSC2", "query HSC3", "set HSC3", "query SName1", "set SName1",
                   "query SName2", "set SName2", "query SName3", "set SName3"}));
    EXPECT_EQ(registry.values["HSC3"], DwordValue(100));
    EXPECT_EQ(registry.values["SName1"], StringValue("pikuro"));
    EXPECT_EQ(display.shown, (Log{"1 pikuro 300", "2 vedizud 200", "3 zurizu 100"}));
}

TEST_F(HiScoreTableTest, KeyWithItsValuesDeletedGetsTheOtherDefaultsInMemoryOnly) {
    registry.keyExists = true;
    registry.values["SName2"] = RegValue{kRegExpandSz, std::string("x\0", 2)};  // wrong type
    registry.values["HSC1"] = StringValue("999");
    registry.values["HSC2"] = RegValue{kRegDword, "\x2c\x01"};  // short data reads as it is
    registry.values["SName3"] = RegValue{kRegSz, std::string("ab\0cd", 5)};
    table.LoadHiScores();
    EXPECT_EQ(registry.log, (Log{"open full", "query SName1", "query SName2", "query SName3",
                                 "query HSC1", "query HSC2", "query HSC3"}));
    EXPECT_EQ(table.Entries(), (Entries{{{"zurizu", 300}, {"vedizud", 300}, {"ab", 100}}}));
    EXPECT_EQ(display.shown, (Log{"1 zurizu 300", "2 vedizud 300", "3 ab 100"}));
}

TEST_F(HiScoreTableTest, ScoreTooLongToReadStopsTheLoadAndLeavesThePanelAlone) {
    StoreTable();
    registry.values["HSC1"] = RegValue{kRegDword, "\1\2\3\4\5"};
    EXPECT_EQ(FailureOf([&] { table.LoadHiScores(); }),
              SjisFromUtf8("'HSC1' の取得に失敗しました"));
    EXPECT_EQ(table.Entries(), (Entries{{{"one", 0}, {"two", 0}, {"three", 0}}}));
    EXPECT_EQ(registry.log.back(), "query HSC1");  // and no further
    EXPECT_TRUE(display.shown.empty());
    table.RecordGame(50);  // the key stays open for the save
    EXPECT_EQ(registry.values["SName2"], StringValue("one"));
}

TEST_F(HiScoreTableTest, KeyThatCannotBeCreatedLeavesTheTableEmptyAndEverySaveFails) {
    registry.refuseCreate = true;
    EXPECT_EQ(FailureOf([&] { table.LoadHiScores(); }),
              SjisFromUtf8("ｷｰ Zunpeko の作成に失敗しました"));
    EXPECT_EQ(table.Entries(), Entries{});
    EXPECT_TRUE(display.shown.empty());
    prompt.answer = "me";
    EXPECT_EQ(FailureOf([&] { table.RecordGame(40); }),
              SjisFromUtf8("'HSC1' の設定に失敗しました"));
    EXPECT_EQ(display.shown, (Log{"1  me 40", "2   0", "3   0"}));
}

TEST_F(HiScoreTableTest, FailedWriteAbandonsTheRestOfTheSave) {
    StoreTable();
    registry.refuseFull = true;  // opened for reading only
    table.LoadHiScores();
    EXPECT_EQ(FailureOf([&] { table.RecordGame(250); }),
              SjisFromUtf8("'HSC1' の設定に失敗しました"));
    EXPECT_EQ(table.Entries()[1].score, 250);  // the table in memory stays updated

    registry.refuseFull = false;
    table.LoadHiScores();
    registry.log.clear();
    registry.writesLeft = 4;
    EXPECT_EQ(FailureOf([&] { table.RecordGame(0); }),
              SjisFromUtf8("'SName2' の設定に失敗しました"));
    Log untilTheFailure = SaveOrder();
    untilTheFailure.pop_back();
    EXPECT_EQ(registry.log, untilTheFailure);
}

class HiScoreInsertion : public HiScoreTableTest,
                         public ::testing::WithParamInterface<std::pair<std::int32_t, Log>> {};

TEST_P(HiScoreInsertion, NewScoreTakesTheFirstPlaceItBeatsStrictlyAndAllSixAreSaved) {
    const auto& [score, expected] = GetParam();
    StoreTable();
    prompt.answer = "new";
    table.LoadHiScores();
    registry.log.clear();
    display.shown.clear();
    table.RecordGame(score);
    EXPECT_EQ(display.shown, expected);  // names with a leading space, after every game
    EXPECT_EQ(prompt.asked.size(), score > 100 ? 1U : 0U);  // asked at most once
    EXPECT_EQ(registry.log, SaveOrder());
    EXPECT_EQ(registry.values["SName3"], StringValue(table.Entries()[2].name));
}

// Against 300 / 200 / 100; a tie stays below the score it ties with.
INSTANTIATE_TEST_SUITE_P(
    Scores, HiScoreInsertion,
    ::testing::Values(std::pair{350, Log{"1  new 350", "2  one 300", "3  two 200"}},
                      std::pair{300, Log{"1  one 300", "2  new 300", "3  two 200"}},
                      std::pair{250, Log{"1  one 300", "2  new 250", "3  two 200"}},
                      std::pair{101, Log{"1  one 300", "2  two 200", "3  new 101"}},
                      std::pair{0, Log{"1  one 300", "2  two 200", "3  three 100"}}));

TEST_F(HiScoreTableTest, AsksWithTheGamesTextsAndCutsTheAnswerToTwentyBytes) {
    registry.keyExists = true;
    registry.values["SName3"] = StringValue("abcdefghijklmnopqrstuvwxyz0123");  // 30 bytes
    table.LoadHiScores();
    EXPECT_EQ(table.Entries()[2].name, "abcdefghijklmnopqrst");

    table.RecordGame(500);  // cancelled
    const SjisText anonymous = SjisFromUtf8("権兵衛");
    EXPECT_EQ(prompt.asked, (std::vector<Log>{{SjisFromUtf8("ハイスコア！！名前を入れてください。"),
                                               SjisFromUtf8("ずんぺこ"), anonymous}}));
    EXPECT_EQ(table.Entries()[0].name, anonymous);
    prompt.answer = "";
    table.RecordGame(600);
    EXPECT_EQ(table.Entries()[0].name, "");

    const SjisText split = std::string(19, 'a') + SjisFromUtf8("権");  // byte 20 opens a kanji
    prompt.answer = split;
    table.RecordGame(700);
    EXPECT_EQ(registry.values["SName1"], StringValue(split.substr(0, 20)));
    EXPECT_EQ(ToDisplay(display.names[1]), " " + QString(19, u'a'));  // no stray mark
}

}  // namespace
}  // namespace zunpeko
