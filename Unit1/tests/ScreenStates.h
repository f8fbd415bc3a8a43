// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "Cp932.h"
#include "QtPrinters.h"
#include "Unit1.h"

namespace zunpeko::testing {

// What a label or panel shows, as the player reads it.
inline QString Caption(const TCustomLabel* label) {
    return ToDisplay(label->Caption());
}
inline QString Caption(const TPanel* panel) {
    return ToDisplay(panel->Caption());
}

enum class Screen { Title, HiScores, Help, Countdown, Game };

// The state of the menu, the buttons, the panels and the timers in each
// screen: the title panel shown at (0, 0) with START!! on the title screen
// alone, the hi-score or help panel in front of it, the timers running only
// in the countdown and the game, and the menu commands each screen allows.
inline void ExpectScreen(const TForm1& form, Screen screen) {
    const bool title = screen == Screen::Title;
    const bool hiScores = screen == Screen::HiScores;
    const bool help = screen == Screen::Help;
    const bool playing = screen == Screen::Countdown || screen == Screen::Game;

    EXPECT_EQ(form.Pnl_TT->isHidden(), playing);
    if (!playing) {
        EXPECT_EQ(form.Pnl_TT->pos(), QPoint(0, 0));
    }
    EXPECT_EQ(!form.Pnl_HSC->isHidden(), hiScores);
    EXPECT_EQ(!form.Pnl_Help->isHidden(), help);
    EXPECT_EQ(form.Button2->isEnabled(), title);
    EXPECT_EQ(form.Timer1->Enabled(), screen == Screen::Countdown);
    EXPECT_EQ(form.Timer2->Enabled(), screen == Screen::Game);

    EXPECT_EQ(form.S1->isEnabled(), !playing) << "開始";
    EXPECT_EQ(form.N2->isEnabled(), playing) << "停止";
    EXPECT_TRUE(form.Exit1->isEnabled()) << "終了";
    EXPECT_EQ(form.Help1->isEnabled(), title || hiScores) << "ヘルプ";
    EXPECT_EQ(form.N3->isEnabled(), title || help) << "ハイスコア";
}

}  // namespace zunpeko::testing
