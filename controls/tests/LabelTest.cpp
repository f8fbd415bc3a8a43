// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Colors.h"
#include "Cp932.h"
#include "CustomLabel.h"
#include "Panel.h"
#include "Pixels.h"

namespace zunpeko {
namespace {

using testing::CountInk;
using testing::Grab;
using testing::PixelAt;

class LabelOnPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        panel.resize(200, 60);
        panel.SetBevelWidth(0);
        panel.SetColor(colors::clAqua);
        label = new TCustomLabel(&panel);
        label->SetFont(MakeFont(kGothic, 12, colors::clBlack));
    }

    TPanel panel;
    TCustomLabel* label = nullptr;
};

TEST_F(LabelOnPanel, TransparentLetsWhatLiesBeneathShowThrough) {
    label->SetTransparent(true);
    label->SetColor(colors::clRed);
    label->SetAutoSize(false);
    label->setGeometry(10, 10, 60, 20);
    const QImage image = Grab(panel);
    EXPECT_EQ(PixelAt(image, 10, 10), colors::clAqua);
    EXPECT_EQ(PixelAt(image, 69, 29), colors::clAqua);
}

TEST_F(LabelOnPanel, OpaqueFillsItsWholeRectangleWithItsColour) {
    label->SetColor(colors::clRed);
    label->SetAutoSize(false);
    label->setGeometry(10, 10, 60, 20);
    const QImage image = Grab(panel);
    EXPECT_EQ(PixelAt(image, 10, 10), colors::clRed);
    EXPECT_EQ(PixelAt(image, 69, 10), colors::clRed);
    EXPECT_EQ(PixelAt(image, 10, 29), colors::clRed);
    EXPECT_EQ(PixelAt(image, 69, 29), colors::clRed);
    EXPECT_EQ(PixelAt(image, 70, 30), colors::clAqua) << "nothing filled outside";
}

TEST_F(LabelOnPanel, OpaqueWithoutAColourOfItsOwnFollowsItsParentsColour) {
    label->SetAutoSize(false);
    label->setGeometry(10, 10, 60, 20);
    panel.SetColor(colors::kPaleYellow);
    EXPECT_EQ(label->Color(), colors::kPaleYellow);
    EXPECT_EQ(PixelAt(Grab(panel), 12, 12), colors::kPaleYellow);
}

TEST_F(LabelOnPanel, FixedKeepsItsSizeAndCutsOffTextThatDoesNotFit) {
    label->SetColor(colors::clWhite);
    label->SetAutoSize(false);
    label->setGeometry(10, 10, 30, 14);
    label->SetCaption(SjisFromUtf8("WWWWWWWWWWWWWWWW"));
    EXPECT_EQ(label->geometry(), QRect(10, 10, 30, 14));
    const QImage image = Grab(panel);
    EXPECT_GT(CountInk(image, QRect(10, 10, 30, 14), {colors::clWhite}), 0);
    EXPECT_EQ(CountInk(image, QRect(40, 0, 160, 60), {colors::clAqua}), 0)
        << "text drawn beyond the label's right edge";
}

TEST_F(LabelOnPanel, AutoSizedGrowsWithItsCaptionKeepingLeftAndTop) {
    panel.show();
    label->move(30, 40);
    label->SetCaption(SjisFromUtf8("W"));
    const QSize small = label->size();
    label->SetCaption(SjisFromUtf8("WWWWWWWW"));
    EXPECT_EQ(label->pos(), QPoint(30, 40));
    EXPECT_GT(label->width(), 4 * small.width());
    EXPECT_EQ(label->height(), small.height());
    const QImage image = Grab(panel);
    EXPECT_GT(
        CountInk(image,
                 QRect(30 + label->width() - small.width(), 40, small.width(), label->height()),
                 {colors::clAqua}),
        0)
        << "the last letter is shown";
}

TEST_F(LabelOnPanel, AutoSizedOutOfSightTakesTheSizeOfItsLatestCaptionWhenShown) {
    label->move(30, 40);
    label->SetCaption(SjisFromUtf8("W"));
    label->SetCaption(SjisFromUtf8("WWWWWWWW"));
    panel.show();
    EXPECT_EQ(label->size(), label->TextExtent());
    EXPECT_EQ(label->pos(), QPoint(30, 40));
    panel.hide();
    label->SetFont(MakeFont(kGothic, 24, colors::clBlack));
    panel.show();
    EXPECT_EQ(label->size(), label->TextExtent()) << "the font changed while it was hidden";
    EXPECT_GT(label->height(), 20);
}

}  // namespace
}  // namespace zunpeko
