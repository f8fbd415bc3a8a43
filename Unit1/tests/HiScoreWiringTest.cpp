// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTimer>

#include "Cp932.h"
#include "ModalWatcher.h"
#include "ScreenStates.h"
#include "ShownForm.h"
#include "StoreFile.h"

namespace zunpeko {
namespace {

using testing::StorePath;

using testing::Caption;
using testing::Screen;

class HiScoreWiring : public testing::ShownForm {
  protected:
    testing::ModalWatcher watcher{QStringLiteral("たろう")};
};

TEST_F(HiScoreWiring, AGameOf250AgainstTheDefaultsAsksOnceAndSaves) {
    StartGame();
    Tick();
    form.Engine().State().Score = 250;
    Key(Qt::Key_F6);

    EXPECT_EQ(watcher.prompts, 1);
    EXPECT_TRUE(watcher.errors.isEmpty()) << watcher.errors.join(u'\n').toStdString();
    EXPECT_EQ(Caption(form.Label6), QStringLiteral(" pikuro"));
    EXPECT_EQ(Caption(form.Label7), QStringLiteral(" たろう"));
    EXPECT_EQ(Caption(form.Label8), QStringLiteral(" vedizud"));
    EXPECT_EQ(Caption(form.Label9), QStringLiteral("300"));
    EXPECT_EQ(Caption(form.Label10), QStringLiteral("250"));
    EXPECT_EQ(Caption(form.Label11), QStringLiteral("200"));
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("250"));

    // The next run finds the new table in the store.
    testing::WindowFakes nextRun;
    const TForm1 reopened(nextRun.Clock(), nextRun.Sound());
    EXPECT_EQ(Caption(reopened.Label7), QStringLiteral("たろう"));
    EXPECT_EQ(Caption(reopened.Label10), QStringLiteral("250"));
    EXPECT_EQ(Caption(reopened.Label8), QStringLiteral("vedizud"));
}

TEST_F(HiScoreWiring, AFailedSaveIsReportedAndKeepsTheLastScoreShown) {
    StartGame();
    form.Engine().State().Score = 50;
    Key(Qt::Key_F6);
    ASSERT_EQ(Caption(form.Panel7), QStringLiteral("50"));

    // A folder where the store's file should be: every write fails.
    ASSERT_TRUE(QFile::remove(StorePath()));
    ASSERT_TRUE(QDir().mkpath(StorePath()));
    StartGame();
    form.Engine().State().Score = 70;
    Key(Qt::Key_F6);

    EXPECT_EQ(watcher.errors, QStringList{QStringLiteral("'HSC1' の設定に失敗しました.")});
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("50"));
    testing::ExpectScreen(form, Screen::Title);

    // The failure ended only that stop: the next game is checked again.
    watcher.errors.clear();
    Activate();  // the error box had the keyboard
    ASSERT_TRUE(QDir(StorePath()).removeRecursively());
    StartGame();
    Key(Qt::Key_F6);
    EXPECT_TRUE(watcher.errors.isEmpty()) << watcher.errors.join(u'\n').toStdString();
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("0"));
}

// Another copy holding the store's lock: the save waits on the window's
// clock, so the window paints and answers its close box meanwhile, and the
// save goes through once the lock comes free.
TEST_F(HiScoreWiring, ASaveWaitingForAnotherCopysLockKeepsTheWindowAnswering) {
    StartGame();
    form.Engine().State().Score = 250;
    QLockFile otherCopy(StorePath() + QStringLiteral(".lock"));
    ASSERT_TRUE(otherCopy.tryLock(0));
    const std::size_t slideWaits = platform.clock.Waits().size() + 2;
    for (int wait = 0; wait < 2; ++wait) {
        platform.clock.DuringWait([] {});
    }
    platform.clock.DuringWait([this] { form.close(); });
    platform.clock.DuringWait([&otherCopy] { otherCopy.unlock(); });
    Key(Qt::Key_F6);

    EXPECT_TRUE(form.Closing);
    EXPECT_EQ(platform.clock.Waits().size(), slideWaits + 2) << "the save waited twice";
    EXPECT_TRUE(watcher.errors.isEmpty()) << watcher.errors.join(u'\n').toStdString();
    testing::WindowFakes nextRun;
    const TForm1 reopened(nextRun.Clock(), nextRun.Sound());
    EXPECT_EQ(Caption(reopened.Label10), QStringLiteral("250"));
}

TEST_F(HiScoreWiring, ClosingDuringTheStopSlideRecordsTheAnonymousName) {
    StartGame();
    form.Engine().State().Score = 250;
    platform.clock.DuringWait([this] { form.close(); });
    Key(Qt::Key_F6);

    EXPECT_EQ(watcher.prompts, 0) << "the prompt closes before it shows";
    EXPECT_EQ(Caption(form.Label7), QStringLiteral(" 権兵衛"));
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("250"));
    testing::WindowFakes nextRun;
    const TForm1 reopened(nextRun.Clock(), nextRun.Sound());
    EXPECT_EQ(Caption(reopened.Label7), QStringLiteral("権兵衛"));
}

TEST_F(HiScoreWiring, NamesEndingInCharactersOfTheHighLeadBytesShowWhole) {
    // Written as the registry editor exports them; each name's last character
    // has a lead byte from the top of the second range (0xFA, 0xFB).
    const QByteArray exported =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n"
        "\"HSC1\"=dword:0000012c\r\n\"HSC2\"=dword:000000c8\r\n\"HSC3\"=dword:00000064\r\n"
        "\"SName1\"=\"\x82\xb8\x82\xf1\xfa\x81\"\r\n"  // ずん冝
        "\"SName2\"=\"\x82\xd8\x82\xb1\xfb\x81\"\r\n"  // ぺこ禔
        "\"SName3\"=\"pi\xfa\xe0\"\r\n\r\n";           // pi朗 (the compatibility form)
    QFile file(StorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(exported), exported.size());
    file.close();

    testing::WindowFakes nextRun;
    const TForm1 reopened(nextRun.Clock(), nextRun.Sound());
    EXPECT_TRUE(watcher.errors.isEmpty()) << watcher.errors.join(u'\n').toStdString();
    EXPECT_EQ(Caption(reopened.Label6), QString::fromUtf16(u"\u305A\u3093\u519D"));
    EXPECT_EQ(Caption(reopened.Label7), QString::fromUtf16(u"\u307A\u3053\u7994"));
    EXPECT_EQ(Caption(reopened.Label8), QString::fromUtf16(u"pi\uF929"));
    EXPECT_EQ(Caption(reopened.Label9), QStringLiteral("300"));
}

// The program ending while the name prompt is open (the window closing, as a
// signal makes it do) cancels the prompt: the stop records the customary
// name, and no later prompt shows.
TEST_F(HiScoreWiring, ClosingWhileTheNamePromptIsOpenRecordsTheAnonymousName) {
    StartGame();
    form.Engine().State().Score = 250;
    QTimer closer;
    int promptsSeen = 0;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (qobject_cast<QDialog*>(QApplication::activeModalWidget()) != nullptr) {
            ++promptsSeen;
            form.close();
        }
    });
    closer.start(0);
    watcher.Pause();
    Key(Qt::Key_F6);

    EXPECT_EQ(promptsSeen, 1);
    EXPECT_EQ(Caption(form.Label7), QStringLiteral(" 権兵衛"));
    form.Engine().State().Score = 260;
    form.N2->trigger();  // a later stop asks nobody
    EXPECT_EQ(promptsSeen, 1);
    EXPECT_EQ(watcher.prompts, 0);
}

}  // namespace
}  // namespace zunpeko
