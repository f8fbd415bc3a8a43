// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "SheetThroughLibrary.h"

namespace zunpeko::sprites::testing {
namespace {

// A static library's unreferenced object files are dropped at link time; the
// resource must still reach a program that only links a library using it.
TEST(SpriteSheet, ReachesAProgramThatLinksItOnlyThroughAnotherLibrary) {
    const QImage sheet = SheetSeenByALibrary();
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), QSize(256, 192));
}

}  // namespace
}  // namespace zunpeko::sprites::testing
