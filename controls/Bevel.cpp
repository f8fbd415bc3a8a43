// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bevel.h"

#include <QPainter>

#include "Colors.h"

namespace zunpeko {
namespace {

void DrawRing(QPainter& painter, const QRect& ring, const QColor& topLeft,
              const QColor& bottomRight) {
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), topLeft);
    // Drawn second so the two shared corners end up in this colour.
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
}

}  // namespace

void DrawBevel(QPainter& painter, const QRect& bounds, TBevelCut cut, int width) {
    const bool raised = cut == TBevelCut::bvRaised;
    const QColor& topLeft = raised ? colors::clBtnHighlight : colors::clBtnShadow;
    const QColor& bottomRight = raised ? colors::clBtnShadow : colors::clBtnHighlight;
    QRect ring = bounds;
    for (int i = 0; i < width && !ring.isEmpty(); ++i) {
        DrawRing(painter, ring, topLeft, bottomRight);
        ring.adjust(1, 1, -1, -1);
    }
}

}  // namespace zunpeko
