// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a screenshot of the game and reports what its window shows, for the
// scripts that drive the real program on a virtual display.
//
//   zunpeko_board_probe pixel SHOT X Y          prints the colour at (X, Y)
//   zunpeko_board_probe board SHOT CX CY        the board's cells, the client
//                                               area's origin at (CX, CY)
//   zunpeko_board_probe blank SHOT CX CY        the board's left column bare
//
// "board" prints the frame each hole shows (row by row; -1 for a cell that is
// no frame of the sheet) and succeeds when every hole shows a frame of the
// sheet and the gaps between them are the window's pale yellow. "blank"
// succeeds when the cells of the board's left column (which no label
// overlaps) show nothing but pale yellow.
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "SpriteSheetLayout.h"
#include "SpriteSheetResource.h"

namespace {

using namespace zunpeko;

constexpr int kBoardLeft = 50;
constexpr int kBoardTop = 60;
constexpr int kShown = sprites::kShownSize;

QImage Cell(const QImage& image, QPoint origin) {
    return image.copy(QRect(origin, QSize(kShown, kShown))).convertToFormat(QImage::Format_RGB32);
}

QPoint HoleOrigin(QPoint client, int row, int column) {
    return client + QPoint(kBoardLeft + 100 * column, kBoardTop + 70 * row);
}

bool AllBackground(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000) != sprites::kBackground) {
                return false;
            }
        }
    }
    return true;
}

int FrameShown(const QImage& shot, const std::vector<QImage>& frames, QPoint origin) {
    const QImage shown = Cell(shot, origin);
    for (std::size_t frame = 0; frame < frames.size(); ++frame) {
        if (shown == frames[frame]) {
            return static_cast<int>(frame);
        }
    }
    return -1;
}

int Board(const QImage& shot, QPoint client) {
    const QImage sheet = sprites::LoadSpriteSheet();
    std::vector<QImage> frames;
    frames.reserve(sprites::kFrameCount);
    for (int frame = 0; frame < sprites::kFrameCount; ++frame) {
        frames.push_back(Cell(sheet, sprites::CellOrigin(frame)));
    }
    bool ok = true;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int frame = FrameShown(shot, frames, HoleOrigin(client, row, column));
            std::printf("%d ", frame);
            ok = ok && frame >= 0;
        }
    }
    std::printf("\n");
    // The gaps between the columns and between the rows of the board.
    for (int column = 0; column < 3; ++column) {
        ok = ok && AllBackground(shot, QRect(HoleOrigin(client, 0, column) + QPoint(kShown, 0),
                                             QSize(100 - kShown, 210)));
    }
    for (int row = 0; row < 2; ++row) {
        ok = ok && AllBackground(shot, QRect(HoleOrigin(client, row, 0) + QPoint(0, kShown),
                                             QSize(363, 70 - kShown)));
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}

int Blank(const QImage& shot, QPoint client) {
    for (int row = 0; row < 3; ++row) {
        if (!AllBackground(shot, QRect(HoleOrigin(client, row, 0), QSize(kShown, kShown)))) {
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5) {
        std::fputs("usage: zunpeko_board_probe pixel|board|blank SHOT X Y\n", stderr);
        return 2;
    }
    const QImage shot(args[2]);
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[2]));
        return 2;
    }
    const QPoint at(args[3].toInt(), args[4].toInt());
    if (args[1] == QLatin1String("pixel")) {
        const QColor colour = shot.pixelColor(at);
        std::printf("%d %d %d\n", colour.red(), colour.green(), colour.blue());
        return EXIT_SUCCESS;
    }
    if (args[1] == QLatin1String("board")) {
        return Board(shot, at);
    }
    if (args[1] == QLatin1String("blank")) {
        return Blank(shot, at);
    }
    std::fprintf(stderr, "unknown check %s\n", qPrintable(args[1]));
    return 2;
}
