// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoleField.h"

#include <span>

namespace zunpeko {

namespace {

// Frames shown on steps 1, 2, ... of each kind's sequence; the step after the
// last one empties the hole.
constexpr std::int32_t kMoleFrames[] = {1, 2, 3, 2, 1};
constexpr std::int32_t kQuickMoleFrames[] = {1, 2, 2, 1};
constexpr std::int32_t kYellowMoleFrames[] = {4, 5, 5, 5, 4};
constexpr std::int32_t kWhiteMoleFrames[] = {4, 6, 6, 6, 4};
constexpr std::int32_t kSmashedFrames[] = {8, 9, 10, 11};

std::span<const std::int32_t> FramesOf(MoleKind kind) {
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

void Advance(Hole& hole) {
    const std::span<const std::int32_t> frames = FramesOf(hole.kind);
    if (frames.empty()) {
        return;  // empty holes keep their step as it is
    }
    ++hole.step;
    const auto length = static_cast<std::int32_t>(frames.size());
    if (hole.step > length) {
        hole.kind = MoleKind::Empty;
        hole.frame = 0;
    } else if (hole.step >= 1) {
        hole.frame = frames[static_cast<std::size_t>(hole.step - 1)];
    }
}

}  // namespace

bool IsHittable(std::int32_t frame) {
    switch (frame) {
        case 1:
        case 2:
        case 3:
        case 5:
        case 6:
            return true;
        default:
            return false;
    }
}

void MoleField::ResetField() {
    holes_.fill(Hole{});
}

void MoleField::AnimateMoles() {
    for (Hole& hole : holes_) {
        Advance(hole);
    }
}

}  // namespace zunpeko
