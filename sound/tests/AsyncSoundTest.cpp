// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QDir>
#include <QTemporaryDir>

#include "AsyncSound.h"
#include "SoundTesting.h"

namespace zunpeko {
namespace {

using namespace testing_sound;

constexpr char kNotASound[] = "this file holds no sound at all, only words\n";

TEST(AsyncSound, AMissingOrUndecodableFileIsSilentAndAnEmptyNameEndsTheSound) {
    ScratchFolder folder;
    AsyncSound sound;

    sound.Play("Smash.wav");
    EXPECT_TRUE(MixerIsSilent());

    WriteFile("Smash.wav", kNotASound);
    sound.Play("Smash.wav");
    EXPECT_TRUE(MixerIsSilent());

    WriteFile("Smash.wav", ToneWave(2000));
    sound.Play("Smash.wav");
    sound.Play("Smash.wav");
    EXPECT_EQ(Mix_Playing(-1), 1) << "a new call must replace the sound, not add to it";

    sound.Play("");
    EXPECT_TRUE(MixerIsSilent());
}

TEST(AsyncSound, LooksTheNameUpInTheCurrentDirectoryAtEveryCall) {
    ScratchFolder withSound;
    WriteFile("Smash.wav", ToneWave(2000));
    AsyncSound sound;
    sound.Play("Smash.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);

    QTemporaryDir withoutSound;
    ASSERT_TRUE(QDir::setCurrent(withoutSound.path()));
    sound.Play("Smash.wav");
    EXPECT_TRUE(MixerIsSilent()) << "played the sound remembered from another folder";
}

TEST(AsyncSound, AFileReplacedOnDiskIsDecodedAfresh) {
    ScratchFolder folder;
    AsyncSound sound;
    WriteFile("Smash.wav", ToneWave(2000));
    sound.Play("Smash.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);

    WriteFile("Smash.wav", kNotASound);
    sound.Play("Smash.wav");
    EXPECT_TRUE(MixerIsSilent()) << "played the sound decoded before the file changed";

    WriteFile("Smash.wav", ToneWave(1500));
    sound.Play("Smash.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.Play("");
}

}  // namespace
}  // namespace zunpeko
