// SPDX-License-Identifier: GPL-3.0-or-later
#include "PromptLayout.h"

#include <QFontMetrics>
#include <QString>

namespace zunpeko {
namespace {

// Horizontal figures are in quarters of the unit width, vertical ones in eighths
// of the unit height.
constexpr int kQuarters = 4;
constexpr int kEighths = 8;

// n * unit / divisor, to the nearest integer, halves rounded up.
int Scale(int n, int unit, int divisor) {
    return (2 * n * unit + divisor) / (2 * divisor);
}

}  // namespace

DialogUnits MeasureDialogUnits(const QFont& font) {
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return DialogUnits{metrics.horizontalAdvance(kLetters) / static_cast<int>(kLetters.size()),
                       metrics.height()};
}

PromptGeometry LayOutPrompt(DialogUnits units) {
    const auto x = [&](int quarters) { return Scale(quarters, units.width, kQuarters); };
    const auto y = [&](int eighths) { return Scale(eighths, units.height, kEighths); };
    const QSize button(x(50), y(14));
    PromptGeometry geometry;
    geometry.client = QSize(x(180), y(63));
    geometry.promptLine = QPoint(x(8), y(8));
    geometry.edit = QPoint(x(8), y(19));
    geometry.editWidth = x(164);
    geometry.okButton = QRect(QPoint(x(38), y(41)), button);
    geometry.cancelButton = QRect(QPoint(x(92), y(41)), button);
    return geometry;
}

}  // namespace zunpeko
