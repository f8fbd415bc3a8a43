// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFont.h"

#include "Colors.h"

namespace zunpeko {

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(kGothic, QStringLiteral("IPAPGothic"));
}

ControlFont MakeFont(const QString& family, int pixelSize, const QColor& color, bool bold,
                     bool underline) {
    QFont face(family);
    face.setPixelSize(pixelSize);
    face.setBold(bold);
    face.setUnderline(underline);
    // Keep the pixel art's neighbours crisp: hinting as the original desktop did.
    face.setStyleStrategy(QFont::PreferDefault);
    return ControlFont{face, color};
}

ControlFont DefaultFont() {
    return MakeFont(kGothic, 12, colors::clWindowText);
}

}  // namespace zunpeko
