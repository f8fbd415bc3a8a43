// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program shaped like the game costs on this machine:
// one fixed 442 x 334 client area below a menu bar, painted in the title
// screen's silver, and nothing else. The performance script measures the game
// against it, so the figures say what the game adds to what any such program
// pays.
//
// With --japanese it also shows Japanese text in the two faces the game's
// fonts are mapped to, at a heading's and a help line's size, and a Japanese
// menu caption: what any program with this interface pays for its fonts.
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 334;
const QColor kSilver(192, 192, 192);

void AddLabel(QWidget* surface, const QString& text, const QString& family, int pixelSize,
              QPoint at) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    auto* label = new QLabel(text, surface);
    label->setFont(font);
    label->move(at);
}

QWidget* MakeSurface(bool japanese) {
    auto* surface = new QWidget;
    surface->setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, kSilver);
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
    if (japanese) {
        AddLabel(surface, QStringLiteral("ずんぺこ"), QStringLiteral("IPAPMincho"), 96, {40, 60});
        AddLabel(surface, QStringLiteral("マウスを使ってもぐらを退治"),
                 QStringLiteral("IPAPGothic"), 12, {156, 212});
    }
    return surface;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    const bool japanese = QApplication::arguments().contains(QStringLiteral("--japanese"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    QMenu* menu = window.menuBar()->addMenu(japanese ? QStringLiteral("メニュー(M)")
                                                     : QStringLiteral("Menu(M)"));
    menu->addAction(QStringLiteral("Start"))->setShortcut(Qt::Key_F5);
    menu->addAction(QStringLiteral("Exit"), &window, &QMainWindow::close)->setShortcut(Qt::Key_F9);
    window.setCentralWidget(MakeSurface(japanese));
    window.setFixedSize(window.sizeHint());
    window.show();
    return QApplication::exec();
}
