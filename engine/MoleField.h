// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace zunpeko {

// What occupies a hole. The numbers are those the simulator prints.
enum class MoleKind : std::int32_t {
    Empty = 0,
    Mole = 1,
    QuickMole = 2,
    YellowMole = 3,
    WhiteMole = 4,
    Smashed = 5,
};

struct Hole {
    MoleKind kind = MoleKind::Empty;
    std::int32_t step = 0;   // animation counter, advanced once per tick
    std::int32_t frame = 0;  // sprite-sheet cell 0 .. 11 drawn for this hole
};

// True for the frames a press can hit: the ordinary mole (1, 2, 3), the
// yellow mole (5) and the white mole (6).
bool IsHittable(std::int32_t frame);

// The board: twelve holes, numbered 1 to 12 row by row (row * 4 + column + 1).
class MoleField {
  public:
    static constexpr int kHoleCount = 12;
    static constexpr int kColumns = 4;
    static constexpr int kRows = 3;

    // The number of the hole in row 0 .. 2 and column 0 .. 3.
    static constexpr int HoleNumber(int row, int column) { return row * kColumns + column + 1; }

    // Hole by number, 1 to 12; any other number throws std::out_of_range.
    Hole& At(int number) { return holes_.at(static_cast<std::size_t>(number - 1)); }
    const Hole& At(int number) const { return holes_.at(static_cast<std::size_t>(number - 1)); }

    // Every hole empty, step 0, frame 0.
    void ResetField();

    // Advances every non-empty hole one step through its kind's sequence.
    void AnimateMoles();

  private:
    std::array<Hole, kHoleCount> holes_{};
};

}  // namespace zunpeko
