// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

namespace zunpeko::testing {

// The whole output as the display server shows it: on X11 the root window
// through imagemagick's import, on Wayland weston's own screenshooter. An
// empty image when the tool failed; `error` then says why.
QImage CaptureOutput(QString* error = nullptr);

bool OnWayland();

// Where `part` lies pixel for pixel inside `whole`, searched from the top
// left; nothing when it lies nowhere.
std::optional<QPoint> FindExactly(const QImage& whole, const QImage& part);

// How many pixels of `part` differ from the same-sized area of `whole` at `at`.
int DifferingPixels(const QImage& whole, const QImage& part, QPoint at);

}  // namespace zunpeko::testing
