// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "ControlFont.h"
#include "WindowDefinition.h"

class QMenuBar;
class QWidget;

namespace zunpeko {

// Applies the window definition. Every control and menu entry is created
// with its definition values and named (objectName) as in the definition, so it
// can be found by its name.

QColor ColorOf(layout::ColorName name);  // None gives an invalid colour
ControlFont FontOf(const layout::FontDef& font);

// Creates every control on `surface`, the window's client area, then stacks
// each parent's windowed children in front of its graphic ones and chains the
// keyboard focus through the tab stops in tab order.
void BuildControls(QWidget& surface);

// Fills the menu bar: a QMenu per top-level entry, a QAction per item.
void BuildMenu(QMenuBar& bar);

}  // namespace zunpeko
