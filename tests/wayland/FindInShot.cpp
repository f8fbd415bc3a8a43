// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where an image lies pixel for pixel inside a screenshot ("x y"),
// or fails. Usage: zunpeko_find_in_shot SHOT.png PART.png
#include <QImage>
#include <cstdio>

#include "ScreenCapture.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: zunpeko_find_in_shot SHOT.png PART.png\n", stderr);
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    const QImage part(QString::fromLocal8Bit(argv[2]));
    if (shot.isNull() || part.isNull()) {
        std::fputs("zunpeko_find_in_shot: cannot read the images\n", stderr);
        return 2;
    }
    const auto at = zunpeko::testing::FindExactly(shot, part);
    if (!at) {
        return 1;
    }
    std::printf("%d %d\n", at->x(), at->y());
    return 0;
}
