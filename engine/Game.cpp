// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"

#include "GameTexts.h"

namespace zunpeko {

namespace {

constexpr std::int32_t kWhiteFirstBaseMs = 10000;
constexpr std::int32_t kWhiteFirstSpreadMs = 19000;
constexpr std::int32_t kWhiteLaterBaseMs = 999;
constexpr std::int32_t kWhiteLaterSpreadMs = 5000;
constexpr std::int32_t kWhiteWindowMs = 999;
constexpr std::int32_t kSmashFrame = 8;

// The tick period shrinks with the time left, down to 130 ms at the end.
std::int32_t PeriodFor(std::int32_t timeLeftMs) {
    return timeLeftMs / 150 + 130;
}

}  // namespace

void Game::ResetGame() {
    field_.ResetField();
    state_.TimeLeftMs = kGameTimeMs;
    state_.Score = 0;
    state_.WhiteAt = kWhiteFirstBaseMs + random_.Random(kWhiteFirstSpreadMs);
    state_.WhiteActive = false;
    host_.SetTickPeriod(kFirstTickPeriodMs);
}

void Game::Tick() {
    // The board is drawn before anything changes, so the picture is always
    // one tick behind the field the presses are judged against.
    host_.DrawBoard();
    SpawnMoles();
    field_.AnimateMoles();

    // Game time runs in nominal periods, not on a clock.
    state_.TimeLeftMs -= host_.TickPeriod();
    if (state_.TimeLeftMs < 0) {
        state_.TimeLeftMs = 0;
    }
    host_.SetTimeLabel(TimeLabelText(state_.TimeLeftMs));

    if (state_.TimeLeftMs == 0) {
        state_.Muted = true;
        host_.SetTickEnabled(false);
        if (host_.StopGame()) {
            return;  // a new game took over, with the period it set itself
        }
    }
    // The stop may run a modal prompt, so the time is read again here rather
    // than kept from before it.
    host_.SetTickPeriod(PeriodFor(state_.TimeLeftMs));
}

void Game::SpawnMoles() {
    FillEmptyHoles();
    RunWhiteMoleSchedule();
}

void Game::FillEmptyHoles() {
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        Hole& hole = field_.At(number);
        if (hole.kind != MoleKind::Empty) {
            continue;
        }
        if (random_.Random(state_.TimeLeftMs / 1000 + 15) != 5) {
            continue;
        }
        // All three draws are made whatever they show, so that every filled
        // hole moves the generator on by the same amount.
        hole.kind = MoleKind::Mole;
        if (random_.Random(state_.TimeLeftMs / 2000 + 5) == 1) {
            hole.kind = MoleKind::QuickMole;
        }
        if (random_.Random(10) == 5) {
            hole.kind = MoleKind::YellowMole;
        }
        hole.step = 0;  // the frame stays 0 until the hole is animated
    }
}

void Game::RunWhiteMoleSchedule() {
    // Once the clock has passed below the threshold of the white mole already
    // released, the next threshold is drawn, lower down.
    if (state_.WhiteAt > state_.TimeLeftMs && state_.WhiteActive) {
        state_.WhiteAt = kWhiteLaterBaseMs + random_.Random(kWhiteLaterSpreadMs);
        state_.WhiteActive = false;
    }
    const bool inWindow =
        state_.TimeLeftMs > state_.WhiteAt && state_.TimeLeftMs < state_.WhiteAt + kWhiteWindowMs;
    if (inWindow && !state_.WhiteActive) {
        state_.WhiteActive = true;
        // The white mole takes its hole whatever it held; the frame is left
        // for the animation that follows in the same tick.
        Hole& hole = field_.At(1 + random_.Random(MoleField::kHoleCount));
        hole.kind = MoleKind::WhiteMole;
        hole.step = 0;
    }
}

int Game::Press(int x, int y) {
    const int number = HoleAt(x, y);
    if (number == 0) {
        return 0;
    }
    // The award comes first: if the hit sound fails, the hole stays as it was.
    AwardHit(field_.At(number).frame);
    Hole& hole = field_.At(number);
    hole.frame = kSmashFrame;
    hole.kind = MoleKind::Smashed;
    hole.step = 0;
    return number;
}

void Game::AwardHit(std::int32_t frame) {
    switch (frame) {
        case 1:
        case 2:
        case 3:
            state_.Score += kMolePoints;
            break;
        case 5:
            state_.Score += kYellowMolePoints;
            break;
        case 6:
            state_.TimeLeftMs += kWhiteMoleBonusMs;
            state_.Score += kWhiteMolePoints;
            break;
        default:
            break;
    }
    if (!state_.Muted) {
        host_.PlayHitSound();
    }
    host_.SetScoreText(ScoreText(state_.Score));
    host_.SetTimeLabel(TimeLabelText(state_.TimeLeftMs));
    host_.RepaintTimeLabelNow();
}

int Game::HoleAt(int x, int y) const {
    for (int row = 0; row < MoleField::kRows; ++row) {
        for (int column = 0; column < MoleField::kColumns; ++column) {
            const int number = MoleField::HoleNumber(row, column);
            if (IsHittable(field_.At(number).frame) && InHitBox(x, y, row, column)) {
                return number;
            }
        }
    }
    return 0;
}

bool Game::InHitBox(int x, int y, int row, int column) {
    const int centreX = kBoardLeft + column * kCellPitchX + kHitCentreOffset;
    const int centreY = kBoardTop + row * kCellPitchY + kHitCentreOffset;
    return centreX - kHitHalfWidth < x && x < centreX + kHitHalfWidth &&
           centreY - kHitHalfWidth < y && y < centreY + kHitHalfWidth;
}

}  // namespace zunpeko
