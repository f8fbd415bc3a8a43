// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the game saving their hi-scores into one store at the same
// moment: neither player's entry may vanish.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "ChildProcess.h"
#include "RegDocument.h"
#include "TestFiles.h"

namespace zunpeko::crash {
namespace {

constexpr int kRounds = 10;
constexpr std::string_view kTableKey = "HKEY_CURRENT_USER\\Zunpeko";

std::vector<std::string> StoredNames(const QString& path) {
    const auto document = RegDocument::Parse(testing::ReadBytes(path));
    std::vector<std::string> names;
    for (const char* value : {"SName1", "SName2", "SName3"}) {
        const auto name = document ? document->FindValue(kTableKey, value) : std::nullopt;
        names.push_back(name ? name->data.substr(0, name->data.find('\0')) : "(none)");
    }
    return names;
}

TEST(TwoCopies, SavingAtTheSameMomentKeepsBothNewEntries) {
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const testing::ScratchFolder folder;
        const std::string store = folder.Store().toStdString();
        const std::string go = folder.Path(QStringLiteral("go")).toStdString();
        // Both beat the defaults (300/200/100) and fit in the table together.
        ChildProcess first(ZUNPEKO_STORE_PLAYER, {store, "500", "first", go});
        ASSERT_TRUE(first.WaitForLine("loaded"));
        ChildProcess second(ZUNPEKO_STORE_PLAYER, {store, "400", "second", go});
        ASSERT_TRUE(second.WaitForLine("loaded"));
        QFile(QString::fromStdString(go)).open(QIODevice::WriteOnly);
        EXPECT_EQ(first.Wait(), 0);
        EXPECT_EQ(second.Wait(), 0);
        EXPECT_EQ(StoredNames(QString::fromStdString(store)),
                  (std::vector<std::string>{"first", "second", "pikuro"}));
    }
}

}  // namespace
}  // namespace zunpeko::crash
