// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zunpeko {

// True for the controls that have no window of their own (labels, images).
bool IsGraphicControl(const QWidget* control);

// Puts the windowed children of `parent` (panels, buttons) in front of all its
// graphic ones, keeping each group's creation order: a later windowed control
// lies in front of an earlier one, a later graphic one paints over an earlier one.
void StackWindowedInFront(QWidget* parent);

}  // namespace zunpeko
