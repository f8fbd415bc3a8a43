// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
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

// A file that does not decode is not read again at every hit while it stays
// as it was (same size and time): the game would stutter on a large one.
TEST(AsyncSound, AFileThatDidNotDecodeIsNotReadAgainUntilItChanges) {
    ScratchFolder folder;
    AsyncSound sound;
    const QByteArray tone = ToneWave(2000);
    const QDateTime stamp = QDateTime::currentDateTime().addSecs(-60);
    const auto writeStamped = [&stamp](const QByteArray& bytes) {
        WriteFile("Smash.wav", bytes);
        QFile file("Smash.wav");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    };
    writeStamped(QByteArray(tone.size(), 'x'));
    sound.Play("Smash.wav");
    writeStamped(tone);  // the same size and time: taken as the same file
    sound.Play("Smash.wav");
    EXPECT_TRUE(MixerIsSilent()) << "read the file again";
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
