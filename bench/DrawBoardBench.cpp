// SPDX-License-Identifier: GPL-3.0-or-later
// The board's drawing once per tick: composing the off-screen image from the
// sprite sheet, and the whole of TForm1::DrawBoard with its repaint of the
// board's rectangle in the window (offscreen Qt platform unless one is set).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "BoardRenderer.h"
#include "QtClock.h"
#include "RecordingSound.h"
#include "SpriteSheetResource.h"
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
    // The window keeps its hi-scores; not in the store of whoever measures.
    static const QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    static QApplication app(argc, argv);
    return app;
}

// A busy board: every hole shows another frame.
void FillField(MoleField& field) {
    for (int hole = 1; hole <= MoleField::kHoleCount; ++hole) {
        field.At(hole).frame = hole - 1;
    }
}

void ComposeBoard(benchmark::State& state) {
    Application();
    BoardRenderer renderer(sprites::LoadSpriteSheet());
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
    QtClock clock;
    std::vector<std::string> sounds;
    TForm1 form(clock, std::make_unique<testing::RecordingSound>(sounds));
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
