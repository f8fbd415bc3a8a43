// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The window framework's named colours. The system colours take the values of
// the classic desktop theme the game was laid out for, so its bevels and
// panels look the same on every desktop.
namespace zunpeko::colors {

inline const QColor clBlack{0, 0, 0};
inline const QColor clWhite{255, 255, 255};
inline const QColor clRed{255, 0, 0};
inline const QColor clLime{0, 255, 0};
inline const QColor clGreen{0, 128, 0};
inline const QColor clBlue{0, 0, 255};
inline const QColor clYellow{255, 255, 0};
inline const QColor clAqua{0, 255, 255};
inline const QColor clGray{128, 128, 128};
inline const QColor clSilver{192, 192, 192};

inline const QColor clWindowText{0, 0, 0};
inline const QColor clBtnFace{240, 240, 240};
inline const QColor clBtnHighlight{255, 255, 255};
inline const QColor clBtnShadow{160, 160, 160};
inline const QColor clInfoBk{255, 255, 225};

// The window's background once it is created; it has no name of its own.
inline const QColor kPaleYellow{255, 255, 128};

}  // namespace zunpeko::colors
