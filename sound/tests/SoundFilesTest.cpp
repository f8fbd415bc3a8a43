// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>

#include "AudioDevice.h"
#include "GameSound.h"
#include "SoundTesting.h"

namespace zunpeko {
namespace {

using namespace testing_sound;

QString Committed(const QString& name) {
    return QStringLiteral(ZUNPEKO_SOUNDS_DIR "/") + name;
}

// A committed file decoded whole, as the mixer will play it.
struct Decoded {
    explicit Decoded(const QString& name) {
        AudioDevice::Instance().Wake();
        chunk.reset(Mix_LoadWAV(Committed(name).toLocal8Bit().constData()));
        int channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        if (chunk) {
            samples = reinterpret_cast<const Sint16*>(chunk->abuf);
            frames = static_cast<int>(chunk->alen) / 2 / channels;
            perFrame = channels;
        }
    }
    double Seconds() const { return static_cast<double>(frames) / rate; }
    int Peak(int firstFrame, int lastFrame) const {
        int peak = 0;
        for (int i = firstFrame * perFrame; i < lastFrame * perFrame; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        return peak;
    }

    std::unique_ptr<Mix_Chunk, decltype(&Mix_FreeChunk)> chunk{nullptr, &Mix_FreeChunk};
    const Sint16* samples = nullptr;
    int frames = 0;
    int perFrame = 1;
    int rate = 1;
};

TEST(SoundFiles, TheMusicLastsTwentyToSixtySecondsAndRunsFromItsLastSampleIntoItsFirst) {
    const Decoded music(kMusicFile);
    ASSERT_TRUE(music.chunk) << Mix_GetError();
    EXPECT_GE(music.Seconds(), 20.0);
    EXPECT_LE(music.Seconds(), 60.0);
    // No encoder silence at either end, and no jump where the loop closes.
    const int tenMs = music.rate / 100;
    EXPECT_GT(music.Peak(0, tenMs), 1000);
    EXPECT_GT(music.Peak(music.frames - tenMs, music.frames), 1000);
    const int last = music.samples[static_cast<std::ptrdiff_t>(music.frames - 1) * music.perFrame];
    EXPECT_LT(std::abs(last - music.samples[0]), 3000);
    EXPECT_LT(music.Peak(0, music.frames), 32767) << "clipped";
}

TEST(SoundFiles, TheEndSoundAndTheHitAreShortAndUnclippedAndTheHitStrikesAtOnce) {
    const Decoded endSound(kEndSoundFile);
    const Decoded hit(kHitSoundFile);
    ASSERT_TRUE(endSound.chunk && hit.chunk) << Mix_GetError();
    EXPECT_GE(endSound.Seconds(), 1.0);
    EXPECT_LE(endSound.Seconds(), 2.0);
    EXPECT_LE(hit.Seconds(), 0.25);
    EXPECT_LT(endSound.Peak(0, endSound.frames), 32767);
    EXPECT_LT(hit.Peak(0, hit.frames), 32767);
    EXPECT_GE(hit.Peak(0, hit.rate / 200), hit.Peak(0, hit.frames) / 2)
        << "the hit takes longer than 5 ms to reach its strength";
}

TEST(SoundFiles, TheCommittedMusicPlaysAsMusic) {
    MediaPlayer music;
    music.Open(Committed(kMusicFile));
    music.Play();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    music.Close();
}

}  // namespace
}  // namespace zunpeko
