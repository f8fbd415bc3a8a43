// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFont.h"

#include <QApplication>

#include "Colors.h"

namespace zunpeko {

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(kGothic, QStringLiteral("IPAPGothic"));
    // Every text of the program is Japanese, and the desktop's default face
    // has none: its boxes would draw it from a third font file (megabytes
    // mapped for one box), and a line edit lays out its first text in the
    // default face even inside a dialog of another.
    QApplication::setFont(DefaultFont().face);
}

ControlFont MakeFont(const QString& family, int pixelSize, const QColor& color, bool bold,
                     bool underline) {
    // Straight to the face the name is mapped to: asked for a name it does not
    // know, Qt would first ask the system about it for every size in use.
    QFont face(QFont::substitute(family));
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
