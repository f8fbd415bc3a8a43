#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "Cp932.h"
#include "ModalWatcher.h"
#include "ScreenStates.h"
#include "ShownForm.h"

namespace zunpeko {
namespace {

using testing::Screen;

QString Caption(const TCustomLabel* label) {
    return ToDisplay(label->Caption());
}

QString Caption(const TPanel* panel) {
    return ToDisplay(panel->Caption());
}

QString StorePath() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/zunpeko/user.reg");
}

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
    testing::TestPlatform nextRun;
    const TForm1 reopened(nextRun);
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

TEST_F(HiScoreWiring, ClosingDuringTheStopSlideRecordsTheAnonymousName) {
    StartGame();
    form.Engine().State().Score = 250;
    platform.clock.DuringWait([this] { form.close(); });
    Key(Qt::Key_F6);

    EXPECT_EQ(watcher.prompts, 0) << "the prompt closes before it shows";
    EXPECT_EQ(Caption(form.Label7), QStringLiteral(" 権兵衛"));
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("250"));
    testing::TestPlatform nextRun;
    const TForm1 reopened(nextRun);
    EXPECT_EQ(Caption(reopened.Label7), QStringLiteral("権兵衛"));
}

}  // namespace
}  // namespace zunpeko
