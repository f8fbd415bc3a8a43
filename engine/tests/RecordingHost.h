// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Cp932.h"
#include "Game.h"
#include "GameHost.h"
#include "PlatformError.h"
#include "Random.h"

namespace zunpeko::testing {

// A GameHost that writes every call down as one line ("SetTickPeriod 130",
// "SetTimeLabel <bytes>") and keeps the tick timer's period and state the way
// a real timer would. It can be told to throw from one of its methods.
class RecordingHost : public GameHost {
  public:
    std::vector<std::string> calls;
    std::int32_t period = 0;
    bool enabled = false;
    SjisText timeLabel;
    SjisText scoreText;
    std::string throwFrom;           // the name of the method that throws, if any
    bool newGameDuringStop = false;  // what StopGame answers
    // Runs inside every call, after it is recorded, to look at the game then.
    std::function<void(const std::string& call)> onCall;

    void DrawBoard() override { Record("DrawBoard"); }
    void SetTimeLabel(const SjisText& text) override {
        Record("SetTimeLabel " + text);
        timeLabel = text;
    }
    void RepaintTimeLabelNow() override { Record("RepaintTimeLabelNow"); }
    void SetScoreText(const SjisText& text) override {
        Record("SetScoreText " + text);
        scoreText = text;
    }
    void PlayHitSound() override { Record("PlayHitSound"); }
    bool StopGame() override {
        Record("StopGame");
        return newGameDuringStop;
    }
    std::int32_t TickPeriod() const override { return period; }
    void SetTickPeriod(std::int32_t ms) override {
        Record("SetTickPeriod " + std::to_string(ms));
        period = ms;
    }
    void SetTickEnabled(bool on) override {
        Record(on ? "SetTickEnabled true" : "SetTickEnabled false");
        enabled = on;
    }

    // The calls made since the last Take, which forgets them.
    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    // How many recorded calls start with name.
    int Count(const std::string& name) const {
        int n = 0;
        for (const std::string& call : calls) {
            n += call.rfind(name, 0) == 0 ? 1 : 0;
        }
        return n;
    }

  private:
    void Record(const std::string& call) {
        calls.push_back(call);
        if (onCall) {
            onCall(call);
        }
        if (!throwFrom.empty() && call.rfind(throwFrom, 0) == 0) {
            throw PlatformError("failed: " + throwFrom);
        }
    }
};

// A RandomSource that answers from a script and writes down every n it was
// asked for. Once the script runs out it answers 0, which fills no hole.
class ScriptedRandom : public RandomSource {
  public:
    std::deque<std::int32_t> answers;
    std::vector<std::int32_t> asked;

    explicit ScriptedRandom(std::deque<std::int32_t> script = {}) : answers(std::move(script)) {}

    std::int32_t Random(std::int32_t n) override {
        asked.push_back(n);
        if (answers.empty()) {
            return 0;
        }
        const std::int32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A game on the recording host, drawing from a script.
class RecordedGame : public ::testing::Test {
  protected:
    RecordingHost host;
    ScriptedRandom random;
    Game game{host, random};
};

// The time label's text for a number of seconds, made by the program's
// encoder rather than from the engine's own bytes.
inline SjisText Label(int seconds) {
    return SjisFromUtf8("残り時間 " + std::to_string(seconds) + " 秒");
}

}  // namespace zunpeko::testing
