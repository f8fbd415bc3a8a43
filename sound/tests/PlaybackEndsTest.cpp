// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "PlaybackEnds.h"

namespace zunpeko {
namespace {

TEST(PlaybackEnds, RoutesEachChannelsEndToItsOwnListenerAndReusesReleasedChannels) {
    PlaybackEnds ends;
    std::vector<int> heard;
    const int first = ends.ClaimChannel([&] { heard.push_back(1); });
    const int second = ends.ClaimChannel([&] { heard.push_back(2); });
    ASSERT_NE(first, second);

    ends.ChannelEnded(second);
    ends.ChannelEnded(first);
    ends.ChannelEnded(99);  // nobody's channel
    EXPECT_EQ(heard, (std::vector<int>{2, 1}));

    ends.ReleaseChannel(first);
    ends.ChannelEnded(first);
    EXPECT_EQ(heard.size(), 2U) << "a released channel still reported";
    EXPECT_EQ(ends.ClaimChannel([] {}), first);
}

TEST(PlaybackEnds, TheMusicEndGoesToTheTrackThatTookTheMusicLast) {
    PlaybackEnds ends;
    const int a = 0;
    const int b = 0;
    std::vector<const void*> heard;
    ends.TakeMusic(&a, [&] { heard.push_back(&a); });
    ends.TakeMusic(&b, [&] { heard.push_back(&b); });
    EXPECT_FALSE(ends.OwnsMusic(&a));
    EXPECT_TRUE(ends.OwnsMusic(&b));

    ends.DropMusic(&a);  // not the owner: changes nothing
    ends.MusicEnded();
    ends.DropMusic(&b);
    ends.MusicEnded();
    EXPECT_EQ(heard, (std::vector<const void*>{&b}));
    EXPECT_FALSE(ends.OwnsMusic(&b));
}

}  // namespace
}  // namespace zunpeko
