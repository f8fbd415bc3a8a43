#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QTest>

#include "Cp932.h"
#include "PlatformError.h"
#include "SoundCues.h"
#include "SoundTesting.h"

namespace zunpeko {
namespace {

using namespace testing_sound;
using Result = MediaPlayer::Result;

TEST(SoundCues, TheMusicStartsOverEachTimeItRunsOutUntilAStopCutsItOff) {
    ScratchFolder folder;
    WriteClip("d3l.mp3", 200);
    MediaPlayer music;
    music.Open(kMusicFile);
    NotifyLog log(music);
    QObject::connect(&music, &MediaPlayer::Notified, &music,
                     [&](Result result) { LoopOnSuccess(music, result); });

    StartMusic(music);
    ASSERT_TRUE(log.WaitForCount(3));
    EXPECT_EQ(log.results, std::vector<Result>(3, Result::Successful));

    StopMusic(music);
    ASSERT_TRUE(log.WaitForCount(4));
    EXPECT_EQ(log.results.back(), Result::Aborted);
    // Several lengths of the piece: a loop that outlived the stop would show.
    QTest::qWait(800);
    EXPECT_EQ(log.results.size(), 4U);
    EXPECT_EQ(Mix_PausedMusic(), 1) << "the music should be held, silent, until the next game";
}

TEST(SoundCues, LoopOnSuccessLeavesTheMusicAloneForAnyOtherResult) {
    ScratchFolder folder;
    WriteClip("d3l.mp3", 1000);
    MediaPlayer music;
    music.Open(kMusicFile);
    for (Result result : {Result::Superseded, Result::Aborted, Result::Failure}) {
        LoopOnSuccess(music, result);
        EXPECT_TRUE(MixerIsSilent());
    }
    LoopOnSuccess(music, Result::Successful);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST(SoundCues, AtCreationThePlayersOpenTheirFilesByBareNameInTheCurrentDirectory) {
    ScratchFolder folder;
    WriteFile("doa.wav", ToneWave(100));
    MediaPlayer endSound;
    MediaPlayer music;
    try {
        OpenPlayersAtCreation(endSound, music);
        ADD_FAILURE() << "opened a music file that is not there";
    } catch (const PlatformError& error) {
        EXPECT_EQ(Utf8FromSjis(error.Text()), "Couldn't open 'd3l.mp3'");
    }
    EXPECT_FALSE(music.IsOpen());

    WriteClip("d3l.mp3", 100);
    OpenPlayersAtCreation(endSound, music);
    EXPECT_EQ(endSound.FileName(), "doa.wav");
    EXPECT_EQ(music.FileName(), "d3l.mp3");
}

}  // namespace
}  // namespace zunpeko
