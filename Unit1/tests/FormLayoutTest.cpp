// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMenuBar>

#include "Colors.h"
#include "Cp932.h"
#include "Unit1.h"
#include "WindowFakes.h"

namespace zunpeko {
namespace {

using testing::WindowFakes;

QImage GrabClientArea(TForm1& form) {
    return form.Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// True when `point` (client coordinates) is covered by `control` or something on it.
bool CoveredBy(TForm1& form, QPoint point, const QWidget* control) {
    for (QWidget* at = form.Surface()->childAt(point); at != nullptr; at = at->parentWidget()) {
        if (at == control) {
            return true;
        }
    }
    return false;
}

TEST(MainWindow, HasAFixedClientAreaOf442By334BelowItsMenuBar) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    form.show();
    EXPECT_EQ(form.Surface()->size(), QSize(442, 334));
    EXPECT_EQ(form.Surface()->y(), form.MainMenu1->geometry().bottom() + 1);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.size(), QSize(442, form.MainMenu1->height() + 334));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ズンぺこ ver1.0"));
}

TEST(MainWindow, StartsWithTheTitlePanelCoveringAPaleYellowWindow) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    EXPECT_EQ(form.Color(), colors::kPaleYellow);
    EXPECT_EQ(form.Pnl_Sc->Color(), colors::kPaleYellow);
    EXPECT_EQ(form.Pnl_TT->geometry(), QRect(0, 0, 442, 334));
    EXPECT_TRUE(form.Pnl_TT->isVisibleTo(&form));
    EXPECT_FALSE(form.Pnl_HSC->isVisibleTo(&form));
    EXPECT_FALSE(form.Pnl_Help->isVisibleTo(&form));
    EXPECT_FALSE(form.Image1->isVisibleTo(&form));
    EXPECT_TRUE(form.Lbl_Cnt1->isVisibleTo(&form)) << "visible, only covered";
    for (QWidget* hidden :
         {static_cast<QWidget*>(form.Lbl_Tim), static_cast<QWidget*>(form.Pnl_Sc),
          static_cast<QWidget*>(form.Label17), static_cast<QWidget*>(form.Lbl_Cnt1)}) {
        EXPECT_TRUE(CoveredBy(form, hidden->geometry().center(), form.Pnl_TT))
            << hidden->objectName().toStdString();
    }
}

TEST(MainWindow, PlacesTheTitleScreensTilesScoreAndButton) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    EXPECT_EQ(form.Panel2->geometry(), QRect(40, 72, 97, 97));
    EXPECT_EQ(form.Panel3->geometry(), QRect(138, 88, 97, 97));
    EXPECT_EQ(form.Panel5->geometry(), QRect(238, 67, 97, 97));
    EXPECT_EQ(form.Panel4->geometry(), QRect(322, 162, 97, 97));
    EXPECT_EQ(form.Panel6->geometry(), QRect(80, 8, 297, 41));
    EXPECT_EQ(form.Panel7->geometry(), QRect(143, 227, 102, 27));
    EXPECT_EQ(form.Button2->geometry(), QRect(224, 280, 193, 41));
    EXPECT_EQ(form.Pnl_Sc->geometry(), QRect(232, 280, 201, 41));
    EXPECT_EQ(form.Lbl_Tim->geometry(), QRect(66, 37, 321, 20));
}

TEST(MainWindow, PaintsTheTitleScreen) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    const QImage image = GrabClientArea(form);
    EXPECT_EQ(image.pixelColor(0, 0), colors::clBtnHighlight) << "the title panel's bevel";
    EXPECT_EQ(image.pixelColor(20, 300), colors::clSilver);
    EXPECT_EQ(image.pixelColor(40 + 7, 72 + 7), colors::clYellow) << "inside the first tile";
    EXPECT_EQ(image.pixelColor(238 + 7, 67 + 7), colors::clBlack) << "inside the third tile";
    // The last tile overlaps the third one's lower right corner and lies in front.
    EXPECT_EQ(image.pixelColor(330, 162), colors::clBtnHighlight);
    EXPECT_EQ(image.pixelColor(330, 163), colors::clBtnHighlight);
    int lime = 0;
    for (int y = 227; y < 227 + 27; ++y) {
        for (int x = 143; x < 143 + 102; ++x) {
            lime += image.pixelColor(x, y) == colors::clLime ? 1 : 0;
        }
    }
    EXPECT_GT(lime, 0) << "the last score, 0, in lime";
}

TEST(MainWindow, ShowsTheHiScoreAndHelpPanelsInFrontOfTheTitlePanel) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    form.Pnl_HSC->move(48, 16);
    form.Pnl_HSC->show();
    EXPECT_TRUE(CoveredBy(form, {48 + 10, 16 + 200}, form.Pnl_HSC));
    EXPECT_EQ(GrabClientArea(form).pixelColor(48 + 10, 16 + 200), colors::clAqua);

    form.Pnl_Help->move(16, 8);
    form.Pnl_Help->show();
    EXPECT_TRUE(CoveredBy(form, {16 + 30, 8 + 30}, form.Pnl_Help));
    const QImage image = GrabClientArea(form);
    EXPECT_EQ(image.pixelColor(16, 8), colors::clBtnHighlight);
    EXPECT_EQ(image.pixelColor(16 + 30, 8 + 150), colors::clBtnFace);
}

TEST(MainWindow, KeepsEverythingOnTheHelpPanelClearOfItsBevel) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    form.show();
    form.Pnl_Help->show();  // its labels take their captions' sizes in sight
    const int bevel = form.Pnl_Help->BevelWidth();
    const QRect face = form.Pnl_Help->rect().adjusted(bevel, bevel, -bevel, -bevel);
    const auto children = form.Pnl_Help->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_GE(children.size(), 10);
    for (const QWidget* child : children) {
        EXPECT_TRUE(face.contains(child->geometry()))
            << child->objectName().toStdString() << " at " << child->geometry().x() << ", "
            << child->geometry().y() << ", " << child->width() << " x " << child->height()
            << " runs into the bevel";
    }
}

TEST(MainWindow, CutsOffThePartOfASlidingPanelOutsideTheClientArea) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    const QSize before = form.size();
    form.Pnl_TT->move(-176, 136);
    EXPECT_EQ(form.size(), before);
    EXPECT_EQ(form.Surface()->size(), QSize(442, 334));
    const QImage image = GrabClientArea(form);
    EXPECT_EQ(image.pixelColor(0, 135), colors::kPaleYellow);
    EXPECT_EQ(image.pixelColor(0, 136), colors::clBtnHighlight) << "the panel's top row";
    EXPECT_EQ(image.pixelColor(442 - 176 - 1, 200), colors::clBtnShadow) << "its right column";
    EXPECT_EQ(image.pixelColor(430, 200), colors::kPaleYellow);
}

TEST(MainWindow, GivesTheHyperlinksTheirTargetsAndLooks) {
    WindowFakes platform;
    TForm1 form(platform.Clock(), platform.Sound());
    form.show();
    form.Pnl_Help->show();
    EXPECT_EQ(form.URLLink1->URLType(), TURLtype::tpURL);
    EXPECT_EQ(form.URLLink1->Link(), "https://zunpeko.example.org/");
    EXPECT_TRUE(form.URLLink1->EnableShowHint());
    EXPECT_EQ(form.URLLink2->URLType(), TURLtype::tpMAIL);
    EXPECT_EQ(form.URLLink2->Link(), "zun@example.org");
    EXPECT_EQ(form.URLLink2->Caption(), form.URLLink2->Link());
    EXPECT_LE(form.URLLink2->width(), 101) << "wider than the mail address's place on the panel";
    EXPECT_FALSE(form.URLLink2->EnableShowHint());
    for (const TURLLink* link : {form.URLLink1, form.URLLink2}) {
        EXPECT_EQ(link->LinkColor(), colors::clRed);
        EXPECT_EQ(link->Font().color, colors::clBlue);
        EXPECT_TRUE(link->Font().face.underline());
        EXPECT_EQ(link->HintFormFont(), MakeFont(kGothic, 12, colors::clWindowText));
        EXPECT_EQ(link->Color(), colors::clBtnFace) << "the help panel's colour";
        EXPECT_EQ(link->size(), link->TextExtent()) << "sized to its caption";
    }
}

}  // namespace
}  // namespace zunpeko
