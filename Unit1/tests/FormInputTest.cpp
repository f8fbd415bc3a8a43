// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>

#include "QtClock.h"
#include "ShownForm.h"

namespace zunpeko {
namespace {

using testing::WindowFakes;

using FormInput = testing::ShownForm;

TEST_F(FormInput, PassesPressesOnTheBareSurfaceToFormMouseDownOnly) {
    QSignalSpy presses(form.Surface(), &TFormSurface::mouseDown);
    PressAt({20, 100});
    EXPECT_EQ(presses.size(), 0) << "the title panel takes every press";

    form.Pnl_TT->hide();
    PressAt({200, 55});   // the time label's bottom rows, over the board's top row
    PressAt({230, 150});  // a countdown digit's box
    EXPECT_EQ(presses.size(), 0) << "labels take presses";

    PressAt({20, 100});
    ASSERT_EQ(presses.size(), 1);
    EXPECT_EQ(presses[0][2].toInt(), 20);
    EXPECT_EQ(presses[0][3].toInt(), 100);
}

TEST_F(FormInput, TabsThroughTheButtonsInThePanelsTabOrder) {
    form.Pnl_HSC->show();
    form.Pnl_Help->show();
    form.Button1->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Button2);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Button3);
}

TEST(FormMenu, CarriesTheCaptionsShortcutsAndStatesOfTheTitleScreen) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    ASSERT_EQ(form.MainMenu1->actions().size(), 2);
    EXPECT_EQ(form.MainMenu1->actions()[0], form.N1->menuAction());
    EXPECT_EQ(form.MainMenu1->actions()[1], form.About1->menuAction());
    EXPECT_EQ(form.N1->title(), QStringLiteral("メニュー(M)"));
    EXPECT_EQ(form.About1->title(), QStringLiteral("ドキュメント(D)"));
    EXPECT_EQ(form.N1->actions(), (QList<QAction*>{form.S1, form.N2, form.Exit1}));
    EXPECT_EQ(form.About1->actions(), (QList<QAction*>{form.Help1, form.N3}));

    struct Item {
        QAction* action;
        const char* caption;
        const char* key;
        bool enabled;
    };
    for (const Item& item :
         {Item{form.S1, "開始", "F5", true}, Item{form.N2, "停止", "F6", false},
          Item{form.Exit1, "終了", "F9", true}, Item{form.Help1, "ヘルプ", "F1", true},
          Item{form.N3, "ハイスコア(&H)", "", true}}) {
        SCOPED_TRACE(item.caption);
        EXPECT_EQ(item.action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(item.action->shortcut().toString(QKeySequence::NativeText),
                  QString::fromLatin1(item.key));
        EXPECT_EQ(item.action->isEnabled(), item.enabled);
    }
}

TEST(FormTimers, WaitStoppedWithTheCountdownAndTickPeriodsOnPreciseTimers) {
    WindowFakes platform;
    platform.realClock = true;
    TForm1 form(platform.Clock(), platform.Sound());
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_FALSE(form.Timer2->Enabled());
    EXPECT_EQ(form.Timer1->Interval(), 1000);
    EXPECT_EQ(form.Timer2->Interval(), 200);
    // A coarse timer may fire 5 % off: a countdown of 2.85 s or 3.15 s.
    for (FormTimer* timer : {form.Timer1, form.Timer2}) {
        auto* qtTimer = dynamic_cast<QtFormTimer*>(timer);
        ASSERT_NE(qtTimer, nullptr);
        EXPECT_EQ(qtTimer->Type(), Qt::PreciseTimer);
    }
}

}  // namespace
}  // namespace zunpeko
