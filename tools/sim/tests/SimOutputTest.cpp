// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Cp932.h"
#include "Game.h"
#include "GameTexts.h"
#include "Random.h"
#include "SimHost.h"
#include "Simulation.h"

namespace zunpeko::sim {
namespace {

constexpr std::uint32_t kSeed = 305419896U;

struct Line {
    std::string text;
    QJsonObject json;
};

std::vector<Line> RunSim(const SimOptions& options) {
    std::ostringstream out;
    RunSimulation(options, out);
    std::vector<Line> lines;
    std::istringstream in(out.str());
    for (std::string text; std::getline(in, text);) {
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text));
        EXPECT_TRUE(document.isObject()) << text;
        lines.push_back({text, document.object()});
    }
    return lines;
}

// The keys of a line's object in the order they were written.
std::vector<std::string> KeysOf(const std::string& text) {
    static const std::regex key("\"([a-z_]+)\":");
    std::vector<std::string> keys;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), key);
         it != std::sregex_iterator(); ++it) {
        keys.push_back((*it)[1].str());
    }
    return keys;
}

std::vector<int> Ints(const QJsonValue& value) {
    std::vector<int> ints;
    for (const auto& item : value.toArray()) {
        ints.push_back(item.toInt(-1));
    }
    return ints;
}

// The same game stepped by hand, to hold each line against.
class DirectGame {
  public:
    explicit DirectGame(std::uint32_t seed) : random_(seed) {}

    Game game{host_, random_};

    void Reset() {
        game.ResetGame();
        host_.SetTickEnabled(true);
    }
    bool Tick() {
        host_.ClearStopped();
        game.Tick();
        return host_.Stopped();
    }
    std::int32_t Period() const { return host_.TickPeriod(); }

    void ExpectTickLine(const Line& line, int gameNumber, int tick, bool stopped) const {
        const QJsonObject& json = line.json;
        const GameState& state = game.State();
        EXPECT_EQ(json["event"].toString(), "tick");
        EXPECT_EQ(json["game"].toInt(), gameNumber);
        EXPECT_EQ(json["tick"].toInt(), tick);
        EXPECT_EQ(json["time_left"].toInt(), state.TimeLeftMs) << "tick " << tick;
        EXPECT_EQ(json["score"].toInt(), state.Score) << "tick " << tick;
        EXPECT_EQ(json["white_at"].toInt(), state.WhiteAt) << "tick " << tick;
        EXPECT_EQ(json["white_active"].toBool(!state.WhiteActive), state.WhiteActive);
        EXPECT_EQ(json["period"].toInt(), Period()) << "tick " << tick;
        EXPECT_EQ(json["label"].toString(), ToDisplay(TimeLabelText(state.TimeLeftMs)));
        EXPECT_EQ(json["stopped"].toBool(!stopped), stopped) << "tick " << tick;
        std::vector<int> kinds;
        std::vector<int> steps;
        std::vector<int> frames;
        for (int number = 1; number <= MoleField::kHoleCount; ++number) {
            kinds.push_back(static_cast<int>(game.Field().At(number).kind));
            steps.push_back(game.Field().At(number).step);
            frames.push_back(game.Field().At(number).frame);
        }
        EXPECT_EQ(Ints(json["kinds"]), kinds) << "tick " << tick;
        EXPECT_EQ(Ints(json["steps"]), steps) << "tick " << tick;
        EXPECT_EQ(Ints(json["frames"]), frames) << "tick " << tick;
    }

  private:
    SimHost host_;
    RandomGenerator random_;
};

TEST(SimOutput, WritesTheResetThenEveryTickOfTheGameAsTheEnginePlaysIt) {
    const std::vector<Line> lines = RunSim(SimOptions{kSeed, 1, {}});
    ASSERT_GE(lines.size(), 2U);

    DirectGame direct(kSeed);
    direct.Reset();
    EXPECT_EQ(KeysOf(lines[0].text),
              (std::vector<std::string>{"event", "game", "time_left", "white_at", "period"}));
    EXPECT_EQ(lines[0].json["event"].toString(), "reset");
    EXPECT_EQ(lines[0].json["game"].toInt(), 1);
    EXPECT_EQ(lines[0].json["time_left"].toInt(), 30999);
    EXPECT_EQ(lines[0].json["white_at"].toInt(), direct.game.State().WhiteAt);
    EXPECT_EQ(lines[0].json["period"].toInt(), 200);

    EXPECT_EQ(KeysOf(lines[1].text),
              (std::vector<std::string>{"event", "game", "tick", "time_left", "score", "white_at",
                                        "white_active", "period", "label", "kinds", "steps",
                                        "frames", "stopped"}));
    EXPECT_EQ(lines[1].json["label"].toString(), QString::fromUtf8("残り時間 30 秒"));

    bool stopped = false;
    int tick = 0;
    while (!stopped) {
        ++tick;
        ASSERT_LT(static_cast<std::size_t>(tick), lines.size()) << "the output ends early";
        stopped = direct.Tick();
        direct.ExpectTickLine(lines[static_cast<std::size_t>(tick)], 1, tick, stopped);
    }
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(tick) + 1) << "lines after the stop";
    EXPECT_EQ(lines.back().json["period"].toInt(), 130);
}

TEST(SimOutput, AppliesPressesAfterTheirTickThroughTheHitTest) {
    // Find the first tick after which some hole shows a mole, and aim at it.
    DirectGame direct(kSeed);
    direct.Reset();
    int tick = 0;
    int hole = 0;
    while (hole == 0) {
        ++tick;
        ASSERT_FALSE(direct.Tick()) << "no mole came up in a whole game";
        for (int number = 1; number <= MoleField::kHoleCount && hole == 0; ++number) {
            hole = IsHittable(direct.game.Field().At(number).frame) ? number : 0;
        }
    }
    const int x = kBoardLeft + (hole - 1) % 4 * kCellPitchX + kHitCentreOffset;
    const int y = kBoardTop + (hole - 1) / 4 * kCellPitchY + kHitCentreOffset;
    ASSERT_EQ(direct.game.Press(x, y), hole);

    const std::vector<Line> lines = RunSim(SimOptions{kSeed, 1, {{0, 10, 10}, {tick, x, y}}});
    ASSERT_GT(lines.size(), static_cast<std::size_t>(tick) + 3);

    const Line& miss = lines[1];
    EXPECT_EQ(KeysOf(miss.text), (std::vector<std::string>{"event", "game", "after_tick", "x", "y",
                                                           "hole", "score", "time_left"}));
    EXPECT_EQ(miss.json["event"].toString(), "press");
    EXPECT_EQ(miss.json["after_tick"].toInt(), 0);
    EXPECT_EQ(miss.json["hole"].toInt(), 0);
    EXPECT_EQ(miss.json["score"].toInt(), 0);

    const auto pressAt = static_cast<std::size_t>(tick) + 2;  // reset, miss, ticks 1 .. tick
    const Line& hit = lines[pressAt];
    EXPECT_EQ(hit.json["event"].toString(), "press");
    EXPECT_EQ(hit.json["after_tick"].toInt(), tick);
    EXPECT_EQ(hit.json["x"].toInt(), x);
    EXPECT_EQ(hit.json["y"].toInt(), y);
    EXPECT_EQ(hit.json["hole"].toInt(), hole);
    EXPECT_EQ(hit.json["score"].toInt(), direct.game.State().Score);
    EXPECT_EQ(hit.json["time_left"].toInt(), direct.game.State().TimeLeftMs);

    const bool stopped = direct.Tick();
    direct.ExpectTickLine(lines[pressAt + 1], 1, tick + 1, stopped);
}

TEST(SimOutput, PlaysLaterGamesOnTheSameGeneratorWithTheSamePresses) {
    const std::vector<Line> lines = RunSim(SimOptions{kSeed, 2, {{0, 75, 85}}});
    DirectGame direct(kSeed);
    std::vector<int> resetWhiteAt;
    for (int game = 0; game < 2; ++game) {
        direct.Reset();
        resetWhiteAt.push_back(direct.game.State().WhiteAt);
        while (!direct.Tick()) {
        }
    }

    std::vector<int> games;
    std::vector<int> whiteAt;
    int pressesAfterReset = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].json["event"].toString() == "reset") {
            games.push_back(lines[i].json["game"].toInt());
            whiteAt.push_back(lines[i].json["white_at"].toInt());
            ASSERT_LT(i + 1, lines.size());
            pressesAfterReset += lines[i + 1].json["event"].toString() == "press" ? 1 : 0;
        }
    }
    EXPECT_EQ(games, (std::vector<int>{1, 2}));
    EXPECT_EQ(whiteAt, resetWhiteAt);
    EXPECT_EQ(pressesAfterReset, 2);
    EXPECT_TRUE(lines.back().json["stopped"].toBool(false));
    EXPECT_EQ(lines.back().json["game"].toInt(), 2);
}

}  // namespace
}  // namespace zunpeko::sim
