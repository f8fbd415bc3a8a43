// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "Cp932.h"
#include "WindowDefinition.h"

namespace zunpeko::layout {
namespace {

bool IsWindowed(Kind kind) {
    return kind == Kind::Panel || kind == Kind::Button;
}

TEST(WindowDefinition, NamesEveryControlMenuItemAndTimerOnce) {
    std::set<std::string_view> names{kWindowName};
    for (const ControlDef& row : Controls()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
    for (const MenuDef& row : Menu()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
    for (const TimerDef& row : Timers()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
}

TEST(WindowDefinition, CreatesEveryParentBeforeItsChildrenAndOnlyPanelsHoldControls) {
    std::map<std::string_view, Kind> created;
    for (const ControlDef& row : Controls()) {
        if (row.parent != kWindowName) {
            const auto parent = created.find(row.parent);
            ASSERT_NE(parent, created.end()) << row.name << " before its parent " << row.parent;
            EXPECT_EQ(parent->second, Kind::Panel) << row.name << " lies on a non-panel";
        }
        created.emplace(row.name, row.kind);
    }
}

TEST(WindowDefinition, GivesEachWindowedControlATabOrderUniqueAmongItsSiblings) {
    std::set<std::pair<std::string_view, int>> taken;
    for (const ControlDef& row : Controls()) {
        if (IsWindowed(row.kind)) {
            EXPECT_GE(row.tabOrder, 0) << row.name;
            EXPECT_TRUE(taken.emplace(row.parent, row.tabOrder).second)
                << row.name << " shares tab order " << row.tabOrder << " in " << row.parent;
        } else {
            EXPECT_EQ(row.tabOrder, -1) << row.name << " is graphic and takes no focus";
        }
    }
}

// Every text must survive the trip to code page 932 and back: a character it
// cannot hold would come out as a substitute.
TEST(WindowDefinition, WritesEveryTextInCharactersCodePage932Holds) {
    auto survives = [](std::string_view utf8) { return Utf8FromSjis(SjisFromUtf8(utf8)) == utf8; };
    EXPECT_TRUE(survives(Window().caption));
    for (const ControlDef& row : Controls()) {
        EXPECT_TRUE(survives(row.caption)) << row.name;
        EXPECT_TRUE(survives(row.link.link)) << row.name;
    }
    for (const MenuDef& row : Menu()) {
        EXPECT_TRUE(survives(row.caption)) << row.name;
    }
}

TEST(WindowMenu, HangsItemsUnderEarlierMenusWithDistinctFunctionKeys) {
    std::set<std::string_view> menus;
    std::set<int> keys;
    for (const MenuDef& row : Menu()) {
        if (row.parent.empty()) {
            menus.insert(row.name);
            EXPECT_EQ(row.functionKey, 0) << row.name;
            continue;
        }
        EXPECT_TRUE(menus.contains(row.parent)) << row.name;
        if (row.functionKey != 0) {
            EXPECT_TRUE(keys.insert(row.functionKey).second) << row.name;
            EXPECT_LE(row.functionKey, 12) << row.name;
        }
    }
}

}  // namespace
}  // namespace zunpeko::layout
