// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "MoleField.h"

namespace zunpeko {
namespace {

struct Sequence {
    MoleKind kind;
    std::vector<std::int32_t> frames;  // after each AnimateMoles, before the clearing step
};

class EveryKind : public ::testing::TestWithParam<Sequence> {};

TEST_P(EveryKind, ShowsItsFramesInOrderThenEmptiesTheHole) {
    const Sequence& sequence = GetParam();
    MoleField field;
    field.At(7) = Hole{sequence.kind, 0, 0};

    std::vector<std::int32_t> shown;
    for (std::size_t i = 0; i < sequence.frames.size(); ++i) {
        field.AnimateMoles();
        ASSERT_EQ(field.At(7).kind, sequence.kind) << "emptied early, after step " << i + 1;
        shown.push_back(field.At(7).frame);
    }
    EXPECT_EQ(shown, sequence.frames);

    field.AnimateMoles();
    EXPECT_EQ(field.At(7).kind, MoleKind::Empty);
    EXPECT_EQ(field.At(7).frame, 0);
    EXPECT_EQ(field.At(7).step, static_cast<std::int32_t>(sequence.frames.size()) + 1);
}

INSTANTIATE_TEST_SUITE_P(MoleField, EveryKind,
                         ::testing::Values(Sequence{MoleKind::Mole, {1, 2, 3, 2, 1}},
                                           Sequence{MoleKind::QuickMole, {1, 2, 2, 1}},
                                           Sequence{MoleKind::YellowMole, {4, 5, 5, 5, 4}},
                                           Sequence{MoleKind::WhiteMole, {4, 6, 6, 6, 4}},
                                           Sequence{MoleKind::Smashed, {8, 9, 10, 11}}));

TEST(MoleField, StartsWithEveryHoleEmptyAtStepAndFrameZero) {
    const MoleField field;
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        EXPECT_EQ(field.At(number).kind, MoleKind::Empty) << number;
        EXPECT_EQ(field.At(number).step, 0) << number;
        EXPECT_EQ(field.At(number).frame, 0) << number;
    }
}

TEST(MoleField, LeavesEmptyHolesAndTheirStepAlone) {
    MoleField field;
    field.At(2) = Hole{MoleKind::Empty, 6, 0};
    field.AnimateMoles();
    EXPECT_EQ(field.At(2).step, 6);
    EXPECT_EQ(field.At(2).frame, 0);
    EXPECT_EQ(field.At(2).kind, MoleKind::Empty);
}

TEST(MoleField, RestartsTheWhiteSequenceWhenAWhiteMoleTakesASmashedHole) {
    MoleField field;
    field.At(3) = Hole{MoleKind::Smashed, 2, 9};
    field.At(3).kind = MoleKind::WhiteMole;  // as the white-mole schedule writes it
    field.At(3).step = 0;

    std::vector<std::int32_t> shown;
    for (int i = 0; i < 5; ++i) {
        field.AnimateMoles();
        shown.push_back(field.At(3).frame);
    }
    EXPECT_EQ(shown, (std::vector<std::int32_t>{4, 6, 6, 6, 4}));
    field.AnimateMoles();
    EXPECT_EQ(field.At(3).kind, MoleKind::Empty);
}

TEST(MoleField, EmptiesEveryHoleWhenResetMidSequence) {
    MoleField field;
    field.At(1) = Hole{MoleKind::Mole, 0, 0};
    field.At(9) = Hole{MoleKind::Smashed, 0, 8};
    field.At(4) = Hole{MoleKind::Empty, 5, 0};
    field.AnimateMoles();
    field.AnimateMoles();
    field.ResetField();
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        EXPECT_EQ(field.At(number).kind, MoleKind::Empty) << number;
        EXPECT_EQ(field.At(number).step, 0) << number;
        EXPECT_EQ(field.At(number).frame, 0) << number;
    }
}

TEST(IsHittable, HoldsForTheMoleFramesOnly) {
    std::vector<std::int32_t> hittable;
    for (std::int32_t frame = 0; frame <= 11; ++frame) {
        if (IsHittable(frame)) {
            hittable.push_back(frame);
        }
    }
    EXPECT_EQ(hittable, (std::vector<std::int32_t>{1, 2, 3, 5, 6}));
}

TEST(IsHittable, IsFalseOutsideTheSpriteSheet) {
    for (const std::int32_t frame : {-1, 12, 13, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()}) {
        EXPECT_FALSE(IsHittable(frame)) << frame;
    }
}

}  // namespace
}  // namespace zunpeko
