// The board's drawing once per tick: composing the off-screen image from the
// sprite sheet, and the whole of TForm1::DrawBoard with its repaint of the
// board's rectangle in the window (offscreen Qt platform unless one is set).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "BoardRenderer.h"
#include "QtClock.h"
#include "SpriteSheet.h"
#include "Unit1.h"

namespace zunpeko {
namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "zunpeko_bench_draw_board";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

// A busy board: every hole shows another frame.
void FillField(MoleField& field) {
    for (int hole = 1; hole <= MoleField::kHoleCount; ++hole) {
        field.At(hole).frame = hole - 1;
    }
}

class SilentSound final : public FormSound {
  public:
    void OpenPlayers() override {}
    void ReopenMusic(const QString& /*exeDir*/) override {}
    void CutEndSound() override {}
    void StartMusic() override {}
    void StopMusic() override {}
    void PlayEndSound() override {}
    void PlayHit() override {}
};

class NoHiScores final : public FormHiScores {
  public:
    void Load() override {}
    void Record(std::int32_t /*score*/) override {}
    void CancelPromptForClosing() override {}
};

// The real clock and nothing else: the window as a game shows it.
class BenchPlatform final : public FormPlatform {
  public:
    FormClock& Clock() override { return clock_; }
    std::unique_ptr<FormSound> MakeSound(TForm1& /*window*/) override {
        return std::make_unique<SilentSound>();
    }
    std::unique_ptr<FormHiScores> MakeHiScores(TForm1& /*window*/) override {
        return std::make_unique<NoHiScores>();
    }

  private:
    QtClock clock_;
};

void ComposeBoard(benchmark::State& state) {
    Application();
    BoardRenderer renderer(LoadSpriteSheet());
    MoleField field;
    FillField(field);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        renderer.Compose(field);
        benchmark::DoNotOptimize(renderer.Offscreen().constBits());
    }
}
BENCHMARK(ComposeBoard);

void DrawBoard(benchmark::State& state) {
    Application();
    BenchPlatform platform;
    TForm1 form(platform);
    form.Pnl_TT->hide();
    form.Lbl_Cnt1->hide();
    form.Lbl_Cnt2->hide();
    form.show();
    QApplication::processEvents();
    FillField(form.Engine().Field());
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        form.DrawBoard();
    }
}
BENCHMARK(DrawBoard);

}  // namespace
}  // namespace zunpeko
