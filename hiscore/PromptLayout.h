// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zunpeko {

// A dialog's units in pixels: the average width of the 52 Latin letters of
// its font (truncated) and the height of that line.
struct DialogUnits {
    int width = 0;
    int height = 0;
};

DialogUnits MeasureDialogUnits(const QFont& font);

// Where the name prompt's parts go, in pixels of its client area. Every
// product of a dialog-unit figure is rounded to the nearest pixel.
struct PromptGeometry {
    QSize client;
    QPoint promptLine;  // sized to its text
    QPoint edit;
    int editWidth = 0;  // its height is the edit field's own
    QRect okButton;
    QRect cancelButton;
};

PromptGeometry LayOutPrompt(DialogUnits units);

}  // namespace zunpeko
