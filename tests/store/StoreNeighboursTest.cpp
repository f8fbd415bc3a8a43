// SPDX-License-Identifier: GPL-3.0-or-later
// Files of the player's own beside the store: the game's saves never touch
// them, however alike their names are to the store's.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "GameOnFile.h"

namespace zunpeko {
namespace {

using store_testing::GameOnFile;
using store_testing::ReadBytes;
using store_testing::WriteBytes;

TEST(StoreNeighbours, ThePlayersOwnFilesSurviveAHundredSaves) {
    constexpr const char* kPlayersFiles[] = {"user.reg.backup", "user.reg.before",
                                             "user.reg.orig01", "user.reg.Backup", "notes.txt"};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("user.reg"));
    const auto contents = [](const char* name) { return std::string("the player's ") + name; };
    for (const char* name : kPlayersFiles) {
        ASSERT_TRUE(WriteBytes(folder.filePath(QString::fromLatin1(name)), contents(name)));
    }

    constexpr int kGames = 100;
    for (int game = 1; game <= kGames; ++game) {  // each a new first place, so each saves
        ASSERT_EQ(GameOnFile(path, "p" + std::to_string(game)).Play(1000 + game), "") << game;
    }

    for (const char* name : kPlayersFiles) {
        EXPECT_EQ(ReadBytes(folder.filePath(QString::fromLatin1(name))), contents(name)) << name;
    }
    GameOnFile next(path, "");
    ASSERT_EQ(next.Play(std::nullopt), "");
    EXPECT_EQ(next.Table().Entries()[0], (HiScoreEntry{"p100", 1000 + kGames}));
}

}  // namespace
}  // namespace zunpeko
