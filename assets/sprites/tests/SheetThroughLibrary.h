// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace zunpeko::sprites::testing {

// Loads the sheet from inside a static library that links zunpeko_assets
// privately, the way the main window's library does.
QImage SheetSeenByALibrary();

}  // namespace zunpeko::sprites::testing
