// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include "ControlFont.h"
#include "Cp932.h"
#include "URLLink.h"

namespace zunpeko {
namespace {

class NullOpener : public LinkOpener {
  public:
    void Open(const SjisText& target) override { benchmark::DoNotOptimize(target.data()); }
};

struct LinkOnWindow {
    LinkOnWindow() : link(&window) {
        link.SetCaption(SjisFromUtf8("作者のホームページ"));
        link.SetLink("http://example.jp/zunpeko/");
        link.SetOpener(&opener);
        link.SetCursorPosSource([] { return QPoint(100, 200); });
        window.resize(200, 60);
        window.show();
    }
    void Move() {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(103, 203), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&link, &move);
    }
    void Enter() {
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(103, 203));
        QApplication::sendEvent(&link, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&link, &leave);
    }

    NullOpener opener;
    QWidget window;
    TURLLink link;
};

// The cost of one pointer movement while the popup is already up: it should
// be next to nothing, as the popup is prepared once per hover.
void BM_MovementWithPopupShown(benchmark::State& state) {
    LinkOnWindow on;
    on.Enter();
    on.Move();
    while (state.KeepRunning()) {
        on.Move();
    }
    benchmark::DoNotOptimize(on.link.HintShown());
}
BENCHMARK(BM_MovementWithPopupShown);

// A whole hover: enter, the first movement placing and showing the popup, leave.
void BM_HoverShowingThePopup(benchmark::State& state) {
    LinkOnWindow on;
    while (state.KeepRunning()) {
        on.Enter();
        on.Move();
        on.Leave();
    }
    QApplication::processEvents();
}
BENCHMARK(BM_HoverShowingThePopup);

// A whole hover with the popup turned off: only the caption colour changes.
void BM_HoverWithoutPopup(benchmark::State& state) {
    LinkOnWindow on;
    on.link.SetEnableShowHint(false);
    while (state.KeepRunning()) {
        on.Enter();
        on.Move();
        on.Leave();
    }
    QApplication::processEvents();
}
BENCHMARK(BM_HoverWithoutPopup);

}  // namespace
}  // namespace zunpeko

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zunpeko::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
