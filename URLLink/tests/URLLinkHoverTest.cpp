// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colors.h"
#include "LinkOnPanel.h"

namespace zunpeko::testing {
namespace {

using HoveringOverALink = LinkOnPanel;

TEST_F(HoveringOverALink, ShowsLinkColourAndGivesTheCaptionItsColourBack) {
    link->SetFontColor(colors::clGreen);
    Hover();
    EXPECT_EQ(CaptionColor(), colors::clRed);
    PointerTo(kOffLink);
    EXPECT_EQ(CaptionColor(), colors::clGreen);
}

TEST_F(HoveringOverALink, RepaintsTheCaptionOnEnterAndLeave) {
    EXPECT_GT(PaintsAfter([&] { PointerTo(OnLink()); }), 0);
    EXPECT_GT(PaintsAfter([&] { PointerTo(kOffLink); }), 0);
}

TEST_F(HoveringOverALink, PutsBackTheColourSavedOnEntryOverAnyChangeMeanwhile) {
    Hover();
    link->SetFontColor(colors::clYellow);
    PointerTo(kOffLink);
    EXPECT_EQ(CaptionColor(), colors::clBlue);
}

TEST_F(HoveringOverALink, TakesANewLinkColourOnlyAtTheNextEntry) {
    Hover();
    link->SetLinkColor(colors::clGreen);
    EXPECT_EQ(CaptionColor(), colors::clRed);
    PointerTo(kOffLink);
    EXPECT_EQ(CaptionColor(), colors::clBlue);
    Hover();
    EXPECT_EQ(CaptionColor(), colors::clGreen);
}

TEST_F(HoveringOverALink, StillHighlightsWhenHintsAreOff) {
    link->SetEnableShowHint(false);
    Hover();
    EXPECT_EQ(CaptionColor(), colors::clRed);
    EXPECT_FALSE(link->HintShown());
    EXPECT_FALSE(PopupVisible());
}

TEST_F(HoveringOverALink, KeepsItsOwnColourAfterADoubleClick) {
    // After a double click Qt announces the pointer over the label once more
    // without a leave first; the colour saved at the real entry must survive.
    Hover();
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, OnLink());
    PointerTo(OnLink({6, 4}));
    PointerTo(kOffLink);
    EXPECT_EQ(CaptionColor(), colors::clBlue);
}

using HidingTheHelpPanel = LinkOnPanel;

TEST_F(HidingTheHelpPanel, UnderThePointerTakesThePopupAway) {
    Hover();
    ASSERT_TRUE(PopupVisible());
    panel->hide();
    QApplication::processEvents();
    EXPECT_FALSE(PopupVisible());
    EXPECT_FALSE(link->HintShown());
    EXPECT_EQ(CaptionColor(), colors::clBlue);
}

TEST_F(HidingTheHelpPanel, RightAfterADoubleClickStillEndsTheHover) {
    // Qt has lost track of the label here and sends no leave of its own.
    Hover();
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, OnLink());
    panel->hide();
    QApplication::processEvents();
    EXPECT_EQ(CaptionColor(), colors::clBlue);
}

TEST_F(HidingTheHelpPanel, AndShowingItAgainLetsTheLinkHighlightAnew) {
    Hover();
    panel->hide();
    QApplication::processEvents();
    panel->show();
    Hover();
    EXPECT_EQ(CaptionColor(), colors::clRed);
    EXPECT_TRUE(PopupVisible());
    PointerTo(kOffLink);
    EXPECT_EQ(CaptionColor(), colors::clBlue);
}

}  // namespace
}  // namespace zunpeko::testing
