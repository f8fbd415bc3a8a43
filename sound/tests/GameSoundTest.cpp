// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <sys/stat.h>

#include <QFile>
#include <QTest>

#include "Cp932.h"
#include "GameSound.h"
#include "PlatformError.h"
#include "SoundFile.h"
#include "SoundTesting.h"

namespace zunpeko {
namespace {

using namespace testing_sound;
using Result = MediaPlayer::Result;

std::string OpenPlayersError(GameSound& sound) {
    try {
        sound.OpenPlayers();
    } catch (const PlatformError& error) {
        return Utf8FromSjis(error.Text());
    }
    return {};
}

TEST(GameSound, TheMusicStartsOverEachTimeItRunsOutUntilAStopCutsItOff) {
    ScratchFolder folder;
    WriteFile("doa.wav", ToneWave(100));
    WriteClip("d3l.mp3", 200);
    GameSound sound(nullptr);
    sound.OpenPlayers();
    NotifyLog log(sound.MP3);

    sound.StartMusic();
    ASSERT_TRUE(log.WaitForCount(3));
    EXPECT_EQ(log.results, std::vector<Result>(3, Result::Successful));

    sound.StopMusic();
    ASSERT_TRUE(log.WaitForCount(4));
    EXPECT_EQ(log.results.back(), Result::Aborted);
    // Several lengths of the piece: a loop that outlived the stop would show.
    QTest::qWait(800);
    EXPECT_EQ(log.results.size(), 4U);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "the music should be back at its start, nothing held";
}

TEST(GameSound, TheLoopLeavesTheMusicAloneForAnyOtherResult) {
    ScratchFolder folder;
    WriteClip("d3l.mp3", 1000);
    GameSound sound(nullptr);
    sound.MP3.Open(kMusicFile);
    for (Result result : {Result::Superseded, Result::Aborted, Result::Failure}) {
        sound.MP3Notify(result);
        EXPECT_TRUE(MixerIsSilent());
    }
    sound.MP3Notify(Result::Successful);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

// After a failed re-opening of the music the game plays on without it.
TEST(GameSound, WithoutMusicSkipsTheMusicButPlaysTheEndSound) {
    ScratchFolder folder;
    WriteFile("doa.wav", ToneWave(100));
    WriteClip("d3l.mp3", 100);
    GameSound sound(nullptr);
    sound.OpenPlayers();
    EXPECT_THROW(sound.ReopenMusic(QStringLiteral("/nonexistent/")), PlatformError);
    EXPECT_FALSE(sound.MP3.IsOpen());
    EXPECT_NO_THROW(sound.StartMusic());
    EXPECT_NO_THROW(sound.StopMusic());
    EXPECT_NO_THROW(sound.CutEndSound());
    EXPECT_NO_THROW(sound.PlayEndSound());
    EXPECT_NO_THROW(sound.PlayHit());
    EXPECT_THROW(sound.MP3.Play(), PlatformError) << "what the skipped steps would have met";
}

TEST(GameSound, AtCreationThePlayersOpenTheirFilesByBareNameInTheCurrentDirectory) {
    ScratchFolder folder;
    WriteFile("doa.wav", ToneWave(100));
    GameSound sound(nullptr);
    EXPECT_EQ(OpenPlayersError(sound), "Couldn't open 'd3l.mp3'");
    EXPECT_FALSE(sound.MP3.IsOpen());

    WriteClip("d3l.mp3", 100);
    sound.OpenPlayers();
    EXPECT_EQ(sound.MP1.FileName(), "doa.wav");
    EXPECT_EQ(sound.MP3.FileName(), "d3l.mp3");
}

// The hit ends the previous hit first, then starts: in the other order every
// hit would be silenced at once.
TEST(GameSound, EachHitLeavesTheHitSoundingOnTheMixer) {
    ScratchFolder folder;
    WriteFile("Smash.wav", ToneWave(2000));
    GameSound sound(nullptr);
    sound.PlayHit();
    EXPECT_EQ(Mix_Playing(-1), 1) << "the hit ended before it was heard";
    QTest::qWait(300);
    sound.PlayHit();
    EXPECT_EQ(Mix_Playing(-1), 1) << "a second hit must sound too";
}

// Files under the sound's name that are not sound files: each is refused at
// once, with the media system's text, instead of hanging the start or
// filling the memory.
TEST(GameSound, OpensOnlyRegularFilesOfASoundsSize) {
    ScratchFolder folder;
    WriteClip("d3l.mp3", 100);
    GameSound sound(nullptr);

    ASSERT_EQ(::mkfifo("doa.wav", 0600), 0);
    EXPECT_EQ(OpenPlayersError(sound), "Couldn't open doa.wav") << "a FIFO";
    QFile::remove("doa.wav");

    ASSERT_TRUE(QFile::link("/dev/zero", "doa.wav"));
    EXPECT_EQ(OpenPlayersError(sound), "Couldn't open doa.wav") << "a device";
    QFile::remove("doa.wav");

    QFile big("doa.wav");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(ToneWave(100));
    ASSERT_TRUE(big.resize(kSoundFileLimit + 1));
    big.close();
    EXPECT_EQ(OpenPlayersError(sound), "Couldn't open 'doa.wav': larger than 64 MiB");
    EXPECT_FALSE(sound.MP1.IsOpen());
}

}  // namespace
}  // namespace zunpeko
