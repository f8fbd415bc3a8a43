// SPDX-License-Identifier: GPL-3.0-or-later
// A store file the game could not read is kept aside, and the player is told
// where it went, once.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ModalWatcher.h"
#include "StoreFile.h"
#include "Unit1.h"
#include "WindowFakes.h"

namespace zunpeko {
namespace {

using testing::StorePath;

TEST(StoreNotice, AFileKeptAsideIsNamedToThePlayerOnce) {
    QDir(QFileInfo(StorePath()).absolutePath()).removeRecursively();
    QDir().mkpath(QFileInfo(StorePath()).absolutePath());
    QFile store(StorePath());
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("my own notes");
    store.close();

    testing::ModalWatcher watcher;
    testing::WindowFakes platform;
    const TForm1 first(platform.Clock(), platform.Sound());
    const QString copy = QDir::toNativeSeparators(StorePath() + QStringLiteral(".bak"));
    ASSERT_EQ(watcher.errors.size(), 1);
    EXPECT_TRUE(watcher.errors.front().contains(copy)) << watcher.errors.front().toStdString();

    watcher.errors.clear();
    testing::WindowFakes nextRun;
    const TForm1 second(nextRun.Clock(), nextRun.Sound());
    EXPECT_TRUE(watcher.errors.isEmpty()) << watcher.errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace zunpeko
