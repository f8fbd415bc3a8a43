// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace zunpeko {

// The two faces the window asks for by name. The program maps them to faces
// that exist here (see InstallFontSubstitutions).
inline const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");

// A font as the window framework knows it: face, size, style and colour in one
// value. Qt keeps the colour apart from the font, so the two travel together here.
struct ControlFont {
    QFont face;
    QColor color;

    bool operator==(const ControlFont& other) const {
        return face == other.face && color == other.color;
    }
};

// Maps the requested faces to Debian's IPA proportional faces, and makes the
// window's default face the application's. Call once, before any font is resolved
// (that is, right after the QApplication exists).
void InstallFontSubstitutions();

// A font of the named face whose character height (the em, without internal
// leading) is pixelSize pixels.
ControlFont MakeFont(const QString& family, int pixelSize, const QColor& color, bool bold = false,
                     bool underline = false);

// The font a control starts with before the window definition gives it one:
// the window font, Gothic 12, regular, window-text colour.
ControlFont DefaultFont();

}  // namespace zunpeko
