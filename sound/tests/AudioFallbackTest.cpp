// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "AudioDevice.h"
#include "MediaPlayer.h"
#include "PlatformError.h"
#include "SoundTesting.h"

namespace zunpeko {
namespace {

using namespace testing_sound;

TEST(AudioDevice, WithoutAUsableDriverItPlaysSilentlyOnTheDummyDriverAndStillChecksFiles) {
    // A driver that does not exist stands for a machine without a sound
    // device; the device opens once per process, so this program holds only
    // this case.
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    ScratchFolder folder;
    WriteFile("tone.wav", ToneWave(150));
    MediaPlayer player;
    NotifyLog log(player);

    EXPECT_THROW(player.Open("missing.wav"), PlatformError);
    player.Open("tone.wav");
    player.Play();
    EXPECT_EQ(AudioDevice::Instance().DriverName(), "dummy");
    ASSERT_TRUE(log.WaitForCount(1));
    EXPECT_EQ(log.results, std::vector<MediaPlayer::Result>{MediaPlayer::Result::Successful});
}

}  // namespace
}  // namespace zunpeko
