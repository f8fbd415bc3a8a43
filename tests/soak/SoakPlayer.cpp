// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakPlayer.h"

#include <algorithm>
#include <optional>
#include <span>

namespace zunpeko::soak {
namespace {

// The frames each kind shows on steps 1, 2, ..., written down here from the
// rules rather than taken from the engine, so the two can disagree: an
// independent oracle for the tables in engine/MoleField.cpp, kept apart on
// purpose.
constexpr std::int32_t kMoleFrames[] = {1, 2, 3, 2, 1};
constexpr std::int32_t kQuickMoleFrames[] = {1, 2, 2, 1};
constexpr std::int32_t kYellowMoleFrames[] = {4, 5, 5, 5, 4};
constexpr std::int32_t kWhiteMoleFrames[] = {4, 6, 6, 6, 4};
constexpr std::int32_t kSmashedFrames[] = {8, 9, 10, 11};

std::span<const std::int32_t> Sequence(MoleKind kind) {
    switch (kind) {
        case MoleKind::Mole:
            return kMoleFrames;
        case MoleKind::QuickMole:
            return kQuickMoleFrames;
        case MoleKind::YellowMole:
            return kYellowMoleFrames;
        case MoleKind::WhiteMole:
            return kWhiteMoleFrames;
        case MoleKind::Smashed:
            return kSmashedFrames;
        case MoleKind::Empty:
            break;
    }
    return {};
}

bool IsSpawnedKind(MoleKind kind) {
    return kind == MoleKind::Mole || kind == MoleKind::QuickMole || kind == MoleKind::YellowMole;
}

bool SameHole(const Hole& a, const Hole& b) {
    return a.kind == b.kind && a.step == b.step && a.frame == b.frame;
}

std::string Describe(int number, const Hole& hole) {
    return "hole " + std::to_string(number) + " (kind " +
           std::to_string(static_cast<int>(hole.kind)) + ", step " + std::to_string(hole.step) +
           ", frame " + std::to_string(hole.frame) + ")";
}

// What a hit on a mole showing frame is worth.
struct Award {
    std::int32_t points = 0;
    std::int32_t bonusMs = 0;
};

std::optional<Award> AwardFor(std::int32_t frame) {
    switch (frame) {
        case 1:
        case 2:
        case 3:
            return Award{10, 0};
        case 5:
            return Award{30, 0};
        case 6:
            return Award{10, 5999};
        default:
            return std::nullopt;
    }
}

constexpr int kSmashFrame = 8;
constexpr int kClientWidth = 442;
constexpr int kClientHeight = 334;

}  // namespace

void SoakPlayer::PlayGames(int count) {
    for (int i = 0; i < count; ++i) {
        PlayGame();
    }
}

void SoakPlayer::PlayGame() {
    ++gameNumber_;
    tickNumber_ = 0;
    whitesThisGame_ = 0;
    // As the window starts a game: reset, unmute, and the timer runs once the
    // countdown is over.
    game_.ResetGame();
    game_.State().Muted = false;
    host_.SetTickEnabled(true);
    if (game_.State().TimeLeftMs != kGameTimeMs || host_.TickPeriod() != kFirstTickPeriodMs) {
        Fail("the reset left time " + std::to_string(game_.State().TimeLeftMs) + " and period " +
             std::to_string(host_.TickPeriod()));
    }
    PressRandomly();
    while (true) {
        if (tickNumber_ == kMaxTicksPerGame) {
            Fail("the game has not ended");
            break;
        }
        TickAndCheck();
        if (host_.Stopped()) {
            break;
        }
        PressRandomly();
    }
    if (whitesThisGame_ < 2) {
        Fail("the game had " + std::to_string(whitesThisGame_) + " white moles, not at least two");
    }
    ++stats_.games;
    stats_.longestGame = std::max(stats_.longestGame, tickNumber_);
}

void SoakPlayer::TickAndCheck() {
    ++tickNumber_;
    ++stats_.ticks;
    const Board before = Snapshot();
    const GameState stateBefore = game_.State();
    const std::int32_t periodBefore = host_.TickPeriod();
    host_.ClearStopped();

    game_.Tick();

    CheckClock(stateBefore, periodBefore);
    const int newWhite = NewWhiteHole();
    if (newWhite != 0) {
        ++whitesThisGame_;
        ++stats_.whiteMoles;
        if (!game_.State().WhiteActive) {
            Fail("a white mole came up without the schedule marking it active");
        }
    }
    CheckHoleSteps(before, newWhite);
    CheckFrames();
    CountSpawns(before, stateBefore.TimeLeftMs, newWhite);
}

void SoakPlayer::CheckClock(const GameState& before, std::int32_t periodBefore) {
    const GameState& now = game_.State();
    const std::int32_t expected = std::max(0, before.TimeLeftMs - periodBefore);
    if (now.TimeLeftMs != expected) {
        Fail("time went from " + std::to_string(before.TimeLeftMs) + " to " +
             std::to_string(now.TimeLeftMs) + " with a period of " + std::to_string(periodBefore));
    }
    if (now.Score != before.Score) {
        Fail("a tick changed the score");
    }
    if (host_.TickPeriod() != now.TimeLeftMs / 150 + 130) {
        Fail("period " + std::to_string(host_.TickPeriod()) + " at time " +
             std::to_string(now.TimeLeftMs));
    }
    if (host_.Stopped() != (now.TimeLeftMs == 0)) {
        Fail("the game stopped (or not) at time " + std::to_string(now.TimeLeftMs));
    }
    if (host_.Stopped() && (host_.TickEnabled() || !now.Muted)) {
        Fail("the stop left the timer running or the hits unmuted");
    }
}

// A white mole released in this tick is at step 1 afterwards; any older one
// has been animated at least twice.
int SoakPlayer::NewWhiteHole() {
    int found = 0;
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        const Hole& hole = game_.Field().At(number);
        if (hole.kind == MoleKind::WhiteMole && hole.step == 1) {
            if (found != 0) {
                Fail("two white moles came up in one tick");
            }
            found = number;
        }
    }
    return found;
}

void SoakPlayer::CheckHoleSteps(const Board& before, int newWhite) {
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        if (number == newWhite) {
            continue;  // the white mole may take any hole, whatever it held
        }
        const Hole& was = before[static_cast<std::size_t>(number - 1)];
        const Hole& now = game_.Field().At(number);
        bool ok = false;
        if (was.kind == MoleKind::Empty) {
            const bool stayed = now.kind == MoleKind::Empty && now.step == was.step;
            const bool filled = IsSpawnedKind(now.kind) && now.step == 1;
            ok = stayed || filled;
        } else if (was.step >= static_cast<std::int32_t>(Sequence(was.kind).size())) {
            ok = now.kind == MoleKind::Empty;
        } else {
            ok = now.kind == was.kind && now.step == was.step + 1;
        }
        if (!ok) {
            Fail(Describe(number, was) + " became " + Describe(number, now));
        }
    }
}

void SoakPlayer::CheckFrames() {
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        const Hole& hole = game_.Field().At(number);
        const auto frames = Sequence(hole.kind);
        bool ok = false;
        if (hole.kind == MoleKind::Empty) {
            ok = hole.frame == 0;
        } else if (hole.kind == MoleKind::Smashed && hole.step == 0) {
            ok = hole.frame == kSmashFrame;  // hit since the last tick
        } else {
            const auto length = static_cast<std::int32_t>(frames.size());
            ok = hole.step >= 1 && hole.step <= length &&
                 hole.frame == frames[static_cast<std::size_t>(hole.step - 1)];
        }
        if (!ok) {
            Fail("frame out of sequence: " + Describe(number, hole));
        }
    }
}

void SoakPlayer::CountSpawns(const Board& before, std::int32_t timeLeft, int newWhite) {
    // The spawner's draws are Random(time / 1000 + 15) == 5 for a fill and
    // Random(time / 2000 + 5) == 1 for a quick mole that the one-in-ten
    // yellow draw does not override.
    const std::int32_t fillOdds = timeLeft / 1000 + 15;
    const std::int32_t quickOdds = timeLeft / 2000 + 5;
    const double fill = 1.0 / fillOdds;
    const double quick = 0.9 / quickOdds;
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        // The hole the white mole took says nothing about whether it filled.
        if (number == newWhite ||
            before[static_cast<std::size_t>(number - 1)].kind != MoleKind::Empty) {
            continue;
        }
        stats_.expectedFills += fill;
        stats_.fillVariance += fill * (1 - fill);
        const MoleKind kind = game_.Field().At(number).kind;
        if (kind == MoleKind::Empty) {
            continue;
        }
        ++stats_.fills;
        stats_.expectedQuick += quick;
        stats_.quickVariance += quick * (1 - quick);
        stats_.yellowFills += kind == MoleKind::YellowMole ? 1 : 0;
        stats_.quickFills += kind == MoleKind::QuickMole ? 1 : 0;
    }
}

void SoakPlayer::PressRandomly() {
    std::uniform_int_distribution<int> percent(0, 99);
    const int roll = percent(presses_);
    const int count = roll < 50 ? 0 : roll < 80 ? 1 : roll < 95 ? 2 : 3;
    for (int i = 0; i < count; ++i) {
        if (percent(presses_) < 85) {
            // Around a hole's hit box, a little past its edges now and then.
            std::uniform_int_distribution<int> row(0, MoleField::kRows - 1);
            std::uniform_int_distribution<int> column(0, MoleField::kColumns - 1);
            std::uniform_int_distribution<int> offset(-kHitHalfWidth - 2, kHitHalfWidth + 2);
            const int x = kBoardLeft + column(presses_) * kCellPitchX + kHitCentreOffset;
            const int y = kBoardTop + row(presses_) * kCellPitchY + kHitCentreOffset;
            PressAndCheck(x + offset(presses_), y + offset(presses_));
        } else {
            std::uniform_int_distribution<int> x(0, kClientWidth - 1);
            std::uniform_int_distribution<int> y(0, kClientHeight - 1);
            PressAndCheck(x(presses_), y(presses_));
        }
    }
}

void SoakPlayer::PressAndCheck(int x, int y) {
    const Board before = Snapshot();
    const GameState stateBefore = game_.State();
    const int hit = game_.Press(x, y);
    const GameState& now = game_.State();

    Award award;
    if (hit != 0) {
        ++stats_.hits;
        const Hole& was = before[static_cast<std::size_t>(hit - 1)];
        const auto worth = AwardFor(was.frame);
        if (!worth) {
            Fail("a press hit " + Describe(hit, was));
        }
        award = worth.value_or(Award{});
        stats_.whiteHits += award.bonusMs > 0 ? 1 : 0;
        const Hole& smashed = game_.Field().At(hit);
        if (smashed.kind != MoleKind::Smashed || smashed.step != 0 ||
            smashed.frame != kSmashFrame) {
            Fail("the hit left " + Describe(hit, smashed));
        }
    }
    if (now.Score != stateBefore.Score + award.points ||
        now.TimeLeftMs != stateBefore.TimeLeftMs + award.bonusMs) {
        Fail("a press on hole " + std::to_string(hit) + " took score " +
             std::to_string(stateBefore.Score) + " to " + std::to_string(now.Score) + " and time " +
             std::to_string(stateBefore.TimeLeftMs) + " to " + std::to_string(now.TimeLeftMs));
    }
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        if (number != hit &&
            !SameHole(before[static_cast<std::size_t>(number - 1)], game_.Field().At(number))) {
            Fail("a press at (" + std::to_string(x) + ", " + std::to_string(y) + ") changed " +
                 Describe(number, game_.Field().At(number)));
        }
    }
    CheckFrames();
}

SoakPlayer::Board SoakPlayer::Snapshot() const {
    Board board{};
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        board[static_cast<std::size_t>(number - 1)] = game_.Field().At(number);
    }
    return board;
}

void SoakPlayer::Fail(const std::string& what) {
    if (problems_.count++ == 0) {
        problems_.first = "game " + std::to_string(gameNumber_) + ", tick " +
                          std::to_string(tickNumber_) + ": " + what;
    }
}

}  // namespace zunpeko::soak
