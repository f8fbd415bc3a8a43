// SPDX-License-Identifier: GPL-3.0-or-later
// Fifty games in a row in one window, the way a long evening of play goes:
// nothing may pile up from one game to the next.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <random>

#include "ModalWatcher.h"
#include "ScreenStates.h"
#include "ShownForm.h"

namespace zunpeko {
namespace {

using GuiSoak = testing::ShownForm;

// AddressSanitizer holds freed memory back in its quarantine, so the resident
// set only says something about leaks in an ordinary build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentSetMeansSomething = false;
#else
constexpr bool kResidentSetMeansSomething = true;
#endif

// The resident set of this process in KiB, from the kernel's own account.
long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

TEST_F(GuiSoak, PlaysFiftyGamesInARowWithoutGrowing) {
    constexpr int kGames = 50;
    constexpr long kMarginKiB = 2048;
    testing::ModalWatcher watcher;  // answers the name prompt of every new hi-score
    std::mt19937 random(50);
    std::uniform_int_distribution<int> row(0, 2);
    std::uniform_int_distribution<int> column(0, 3);

    const auto windowsAtStart = QApplication::topLevelWidgets().size();
    const auto timersAtStart = form.findChildren<QTimer*>().size();
    long residentAfterGame5 = 0;
    std::int32_t bestScore = 0;
    for (int game = 1; game <= kGames; ++game) {
        SCOPED_TRACE(game);
        form.N3->trigger();
        form.Button1->click();
        form.Help1->trigger();
        form.Button3->click();

        StartGame();
        int ticks = 0;
        while (form.Timer2->Enabled() && ticks < 1000) {
            Tick();
            ++ticks;
            PressAt(HoleCentre(row(random), column(random)));
        }
        ASSERT_LT(ticks, 1000) << "the game never ended";
        testing::ExpectScreen(form, testing::Screen::Title);
        bestScore = std::max(bestScore, form.Engine().State().Score);
        if (game == 5) {
            residentAfterGame5 = ResidentKiB();
        }
    }

    EXPECT_GT(bestScore, 0) << "the random presses should have hit something";
    EXPECT_GT(watcher.prompts, 0) << "some game should have made the table";
    EXPECT_TRUE(watcher.errors.isEmpty()) << watcher.errors.join(u'\n').toStdString();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsAtStart) << "a window was leaked";
    EXPECT_EQ(form.findChildren<QTimer*>().size(), timersAtStart) << "a timer was leaked";
    const long residentAfterGame50 = ResidentKiB();
    ASSERT_GT(residentAfterGame5, 0);
    if (!kResidentSetMeansSomething) {
        return;
    }
    EXPECT_LE(residentAfterGame50, residentAfterGame5 + kMarginKiB)
        << "resident memory after game 5: " << residentAfterGame5
        << " KiB, after game 50: " << residentAfterGame50 << " KiB";
    RecordProperty("resident_kib_after_game_5", static_cast<int>(residentAfterGame5));
    RecordProperty("resident_kib_after_game_50", static_cast<int>(residentAfterGame50));
}

}  // namespace
}  // namespace zunpeko
