// SPDX-License-Identifier: GPL-3.0-or-later
#include <QUrl>

#include "DesktopLinkOpener.h"
#include "LinkOnPanel.h"
#include "SchemeHandler.h"

namespace zunpeko::testing {
namespace {

TEST(DesktopLinkOpener, HandsTheDecodedAddressToTheHandlerOfItsScheme) {
    SchemeHandler desktop;
    DesktopLinkOpener opener;
    opener.Open(SjisFromUtf8("mailto:ずん@example.jp"));
    opener.Open("http://example.jp/help page.html");
    ASSERT_EQ(desktop.opened.size(), 2U);
    EXPECT_EQ(desktop.opened[0].scheme(), "mailto");
    EXPECT_EQ(desktop.opened[0].path(), QStringLiteral("ずん@example.jp"));
    EXPECT_TRUE(desktop.opened[1].isValid());
    EXPECT_EQ(desktop.opened[1].toEncoded(), "http://example.jp/help%20page.html");
}

TEST(DesktopLinkOpener, ShrugsOffTargetsNothingCanOpen) {
    SchemeHandler desktop;
    DesktopLinkOpener opener;
    opener.Open("");
    opener.Open("mailto:");
    opener.Open(SjisText("\x82", 1));      // half a character
    EXPECT_EQ(desktop.opened.size(), 1U);  // only "mailto:" reaches a handler
}

using ALinkWithoutAnOpener = LinkOnPanel;

TEST_F(ALinkWithoutAnOpener, OpensThroughTheDesktop) {
    SchemeHandler desktop;
    link->SetOpener(nullptr);
    link->SetURLType(TURLtype::tpMAIL);
    link->SetLink("zun@example.jp");
    Click(Qt::LeftButton);
    ASSERT_EQ(desktop.opened.size(), 1U);
    EXPECT_EQ(desktop.opened[0], QUrl("mailto:zun@example.jp"));
    EXPECT_TRUE(opener.opened.empty());
}

}  // namespace
}  // namespace zunpeko::testing
