// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MediaPlayer.h"
#include "SoundTesting.h"

namespace zunpeko {
namespace {

using namespace testing_sound;
using Result = MediaPlayer::Result;
using Results = std::vector<Result>;

// Every case runs once on a wave file, played on a mixer channel, and once on
// an MP3 file, streamed as music, so both kinds keep the same contract.
class MediaPlayerNotify : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        shortClip_ = QStringLiteral("short") + GetParam();
        longerClip_ = QStringLiteral("longer") + GetParam();
        WriteClip(shortClip_, 150);
        WriteClip(longerClip_, 400);
    }

    // Lets every sound still going run out and every report due arrive.
    void Settle() {
        ASSERT_TRUE(WaitUntil(MixerIsSilent));
        DeliverPostedEvents();
    }

    ScratchFolder folder_;
    QString shortClip_;
    QString longerClip_;
    MediaPlayer player_;
    NotifyLog log_{player_};
};

INSTANTIATE_TEST_SUITE_P(OnChannelAndAsMusic, MediaPlayerNotify, ::testing::Values(".wav", ".mp3"),
                         [](const auto& param) { return std::string(param.param + 1); });

TEST_P(MediaPlayerNotify, APlayThatRunsToItsEndReportsSuccessfulOnTheUserInterfaceThread) {
    player_.Open(shortClip_);
    player_.Play();
    ASSERT_TRUE(log_.WaitForCount(1));
    Settle();
    EXPECT_EQ(log_.results, Results{Result::Successful});
    EXPECT_EQ(log_.onUiThread, std::vector<bool>{true});
}

TEST_P(MediaPlayerNotify, AStopHoldsThePlayWhichReportsAbortedAndALaterPlayGoesOnToTheEnd) {
    player_.Open(longerClip_);
    player_.Play();
    player_.Stop();
    ASSERT_TRUE(log_.WaitForCount(1));
    EXPECT_EQ(log_.results, Results{Result::Aborted});

    player_.Play();
    ASSERT_TRUE(log_.WaitForCount(2));
    Settle();
    EXPECT_EQ(log_.results, (Results{Result::Aborted, Result::Successful}));
}

TEST_P(MediaPlayerNotify, ANotifyingCommandWhileAPlayIsPendingSupersedesIt) {
    player_.Open(shortClip_);
    player_.Play();
    player_.Play();
    ASSERT_TRUE(log_.WaitForCount(2));
    Settle();
    EXPECT_EQ(log_.results, (Results{Result::Superseded, Result::Successful}));
}

TEST_P(MediaPlayerNotify, ACommandThatAsksForNoNotificationAbortsAPendingPlay) {
    player_.Open(shortClip_);
    player_.Play();
    player_.SetNotify(false);
    player_.Play();
    Settle();
    EXPECT_EQ(log_.results, Results{Result::Aborted});
}

TEST_P(MediaPlayerNotify, NotifyCoversTheNextCommandOnlyAndRewindNeitherUsesNorForgetsIt) {
    player_.Open(shortClip_);
    player_.SetNotify(false);
    player_.Rewind();
    player_.Play();
    Settle();
    EXPECT_TRUE(log_.results.empty()) << "the rewind took the setting meant for the play";

    player_.Rewind();
    player_.Play();
    Settle();
    EXPECT_EQ(log_.results, Results{Result::Successful}) << "the setting outlived its command";

    player_.SetNotify(true);
    player_.Stop();
    player_.Stop();
    ASSERT_TRUE(log_.WaitForCount(2));
    DeliverPostedEvents();
    EXPECT_EQ(log_.results, (Results{Result::Successful, Result::Successful}));
}

TEST_P(MediaPlayerNotify, APlayAtTheEndPlaysNothingAndReportsSuccessfulAtOnce) {
    player_.Open(shortClip_);
    player_.Play();
    ASSERT_TRUE(log_.WaitForCount(1));
    player_.Play();
    EXPECT_TRUE(MixerIsSilent()) << "a play at the end rewound by itself";
    ASSERT_TRUE(log_.WaitForCount(2));
    EXPECT_EQ(log_.results, (Results{Result::Successful, Result::Successful}));
}

TEST_P(MediaPlayerNotify, ClosingOrOpeningAnotherFileCutsOffAPendingPlay) {
    player_.Open(longerClip_);
    player_.Play();
    player_.Close();
    EXPECT_FALSE(player_.IsOpen());
    EXPECT_TRUE(MixerIsSilent());

    player_.Open(longerClip_);
    player_.Play();
    player_.SetNotify(true);
    player_.Open(shortClip_);
    EXPECT_TRUE(MixerIsSilent());
    EXPECT_EQ(player_.FileName(), shortClip_);
    ASSERT_TRUE(log_.WaitForCount(3));
    EXPECT_EQ(log_.results, (Results{Result::Aborted, Result::Superseded, Result::Successful}));
}

}  // namespace
}  // namespace zunpeko
