// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPointer>

#include "Colors.h"
#include "LinkOnPanel.h"

namespace zunpeko::testing {
namespace {

using ANewLink = LinkOnPanel;

TEST_F(ANewLink, StartsAsABlueWebLinkWithItsHintEnabled) {
    const TURLLink fresh(panel);
    EXPECT_EQ(fresh.URLType(), TURLtype::tpURL);
    EXPECT_EQ(fresh.Link(), "http://");
    EXPECT_EQ(fresh.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(fresh.Font().color, colors::clBlue);
    EXPECT_EQ(fresh.LinkColor(), colors::clRed);
    EXPECT_FALSE(fresh.HintShown());
    EXPECT_EQ(fresh.HintOffsetX(), 15);
    EXPECT_EQ(fresh.HintOffsetY(), 15);
    EXPECT_EQ(fresh.HintFormColor(), colors::clInfoBk);
    EXPECT_TRUE(fresh.EnableShowHint());
    EXPECT_EQ(fresh.HintFormFont(), DefaultFont());
    EXPECT_TRUE(fresh.Caption().empty());
    EXPECT_FALSE(fresh.Transparent());
}

TEST_F(ANewLink, TakesItsBackgroundFromThePanel) {
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, colors::clBtnFace);
    panel->setPalette(grey);
    EXPECT_EQ(link->Color(), colors::clBtnFace);
}

using ItsPopupWindow = LinkOnPanel;

TEST_F(ItsPopupWindow, IsOneHiddenTopLevelWindowForTheWholeLifeOfItsLink) {
    const TURLLink other(panel);
    QPointer<QWidget> popup = link->HintForm();
    ASSERT_FALSE(popup.isNull());
    EXPECT_NE(popup, other.HintForm());
    EXPECT_EQ(popup->parentWidget(), nullptr);  // it may lie outside the main window
    EXPECT_FALSE(popup->isVisible());
    const WId native = popup->winId();
    for (int showing = 0; showing < 3; ++showing) {
        Hover();
        ASSERT_TRUE(PopupVisible());
        PointerTo(kOffLink);
        ASSERT_FALSE(PopupVisible());
        EXPECT_EQ(link->HintForm(), popup);
        EXPECT_EQ(popup->winId(), native);
    }
    Hover();
    delete link;  // while the popup is up
    EXPECT_TRUE(popup.isNull());
}

using SettingAProperty = LinkOnPanel;

TEST_F(SettingAProperty, RepaintsOnlyWhenTheValueChanges) {
    struct Setter {
        const char* name;
        std::function<void(TURLLink&)> same;
        std::function<void(TURLLink&)> changed;
    };
    const std::vector<Setter> setters = {
        {"URLType", [](TURLLink& l) { l.SetURLType(TURLtype::tpURL); },
         [](TURLLink& l) { l.SetURLType(TURLtype::tpMAIL); }},
        {"Link", [](TURLLink& l) { l.SetLink(SjisText("http://")); },
         [](TURLLink& l) { l.SetLink("zun@example.jp"); }},
        {"LinkColor", [](TURLLink& l) { l.SetLinkColor(QColor(255, 0, 0)); },
         [](TURLLink& l) { l.SetLinkColor(colors::clGreen); }},
        {"HintFormColor", [](TURLLink& l) { l.SetHintFormColor(QColor(255, 255, 225)); },
         [](TURLLink& l) { l.SetHintFormColor(colors::clWhite); }},
        {"HintOffsetX", [](TURLLink& l) { l.SetHintOffsetX(15); },
         [](TURLLink& l) { l.SetHintOffsetX(-3); }},
        {"HintOffsetY", [](TURLLink& l) { l.SetHintOffsetY(15); },
         [](TURLLink& l) { l.SetHintOffsetY(40); }},
        {"EnableShowHint", [](TURLLink& l) { l.SetEnableShowHint(true); },
         [](TURLLink& l) { l.SetEnableShowHint(false); }},
    };
    for (const Setter& setter : setters) {
        EXPECT_EQ(PaintsAfter([&] { setter.same(*link); }), 0) << setter.name;
        EXPECT_GT(PaintsAfter([&] { setter.changed(*link); }), 0) << setter.name;
    }
    EXPECT_EQ(link->URLType(), TURLtype::tpMAIL);
    EXPECT_EQ(link->Link(), "zun@example.jp");
    EXPECT_EQ(link->LinkColor(), colors::clGreen);
    EXPECT_EQ(link->HintFormColor(), colors::clWhite);
    EXPECT_EQ(link->HintOffsetX(), -3);
    EXPECT_EQ(link->HintOffsetY(), 40);
    EXPECT_FALSE(link->EnableShowHint());
}

TEST_F(SettingAProperty, HintFontIsCopiedUnlessItIsTheLinksOwn) {
    EXPECT_EQ(PaintsAfter([&] { link->SetHintFormFont(link->HintFormFont()); }), 0);

    ControlFont callers = MakeFont(kMincho, 19, colors::clRed, true);
    EXPECT_GT(PaintsAfter([&] { link->SetHintFormFont(callers); }), 0);
    EXPECT_EQ(link->HintFormFont(), callers);
    EXPECT_NE(&link->HintFormFont(), &callers);

    callers.color = colors::clLime;
    callers.face.setPixelSize(40);
    EXPECT_EQ(link->HintFormFont().color, colors::clRed);
    EXPECT_EQ(link->HintFormFont().face.pixelSize(), 19);
}

}  // namespace
}  // namespace zunpeko::testing
