// SPDX-License-Identifier: GPL-3.0-or-later
#include <QUrl>

#include "LinkOnPanel.h"
#include "SchemeHandler.h"

namespace zunpeko::testing {
namespace {

// Without an opener of the test's own, a click goes to the desktop's handler
// for the target's scheme.
class ALinkWithoutAnOpener : public LinkOnPanel {
  protected:
    void ClickOn(TURLtype type, const SjisText& target) {
        link->SetOpener(nullptr);
        link->SetURLType(type);
        link->SetLink(target);
        Click(Qt::LeftButton);
    }
    SchemeHandler desktop;
};

TEST_F(ALinkWithoutAnOpener, HandsTheDecodedAddressToTheHandlerOfItsScheme) {
    ClickOn(TURLtype::tpMAIL, SjisFromUtf8("ずん@example.jp"));
    ClickOn(TURLtype::tpURL, "http://example.jp/help page.html");
    ASSERT_EQ(desktop.opened.size(), 2U);
    EXPECT_EQ(desktop.opened[0].scheme(), "mailto");
    EXPECT_EQ(desktop.opened[0].path(), QStringLiteral("ずん@example.jp"));
    EXPECT_TRUE(desktop.opened[1].isValid());
    EXPECT_EQ(desktop.opened[1].toEncoded(), "http://example.jp/help%20page.html");
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(ALinkWithoutAnOpener, ShrugsOffTargetsNothingCanOpen) {
    ClickOn(TURLtype::tpURL, "");
    ClickOn(TURLtype::tpMAIL, "");
    ClickOn(TURLtype::tpURL, SjisText("\x82", 1));  // half a character
    EXPECT_EQ(desktop.opened.size(), 1U);           // only "mailto:" reaches a handler
}

}  // namespace
}  // namespace zunpeko::testing
