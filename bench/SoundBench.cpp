// SPDX-License-Identifier: GPL-3.0-or-later
// What the sounds cost the user-interface thread: a hit in the middle of a
// game, the music's restart at the end of each pass, and the players'
// opening at start-up. Runs on SDL's silent driver unless told otherwise.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>

#include "Decoders.h"
#include "GameSound.h"

namespace zunpeko {
namespace {

// The committed sound files are found by their bare names, as in the game.
class InSoundsFolder {
  public:
    InSoundsFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(ZUNPEKO_SOUNDS_DIR); }
    ~InSoundsFolder() { QDir::setCurrent(previous_); }

  private:
    QString previous_;
};

// One hit as the game plays it: the file looked up again, the decoded sound
// reused, the last hit ended and the new one started.
void HitCue(benchmark::State& state) {
    const InSoundsFolder folder;
    GameSound sound(nullptr);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        sound.PlayHit();
    }
}
BENCHMARK(HitCue);

// What a hit would cost if the decoded sound were not kept.
void HitSoundDecode(benchmark::State& state) {
    const InSoundsFolder folder;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        benchmark::DoNotOptimize(LoadWave(kHitSoundFile));
    }
}
BENCHMARK(HitSoundDecode);

// The music's notification handler at the end of each pass: rewind and play.
void MusicRestart(benchmark::State& state) {
    const InSoundsFolder folder;
    GameSound sound(nullptr);
    sound.MP3.Open(kMusicFile);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        sound.MP3Notify(MediaPlayer::Result::Successful);
    }
    sound.MP3.Stop();
    QCoreApplication::processEvents();
}
BENCHMARK(MusicRestart);

// Both players opening their files when the window is made.
void OpenPlayers(benchmark::State& state) {
    const InSoundsFolder folder;
    GameSound sound(nullptr);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        sound.OpenPlayers();
    }
}
BENCHMARK(OpenPlayers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zunpeko

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
