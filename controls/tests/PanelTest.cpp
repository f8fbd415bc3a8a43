// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <ostream>
#include <string>

#include "Colors.h"
#include "Cp932.h"
#include "Panel.h"
#include "Pixels.h"

namespace zunpeko {
namespace {

using testing::CountInk;
using testing::Grab;
using testing::PixelAt;

struct BevelCase {
    TBevelCut cut;
    int width;
};

std::string BevelName(const BevelCase& bevel) {
    return (bevel.cut == TBevelCut::bvRaised ? "Raised" : "Lowered") + std::to_string(bevel.width);
}

void PrintTo(const BevelCase& bevel, std::ostream* out) {
    *out << BevelName(bevel);
}

class PanelBevel : public ::testing::TestWithParam<BevelCase> {};

// Every ring: top row and left column in the first colour, right column and
// bottom row in the second, and the top-right and bottom-left corners in the
// second as well.
TEST_P(PanelBevel, PaintsEveryRingWithItsCornersInTheRightAndBottomColour) {
    const BevelCase bevel = GetParam();
    TPanel panel;
    panel.resize(40, 30);
    panel.SetColor(colors::clYellow);
    panel.SetBevelOuter(bevel.cut);
    panel.SetBevelWidth(bevel.width);
    const QImage image = Grab(panel);

    const bool raised = bevel.cut == TBevelCut::bvRaised;
    const QColor lit = raised ? colors::clBtnHighlight : colors::clBtnShadow;
    const QColor shaded = raised ? colors::clBtnShadow : colors::clBtnHighlight;
    const int right = 39;
    const int bottom = 29;
    for (int i = 0; i < bevel.width; ++i) {
        SCOPED_TRACE(::testing::Message() << "ring " << i);
        EXPECT_EQ(PixelAt(image, i, i), lit) << "top-left corner";
        EXPECT_EQ(PixelAt(image, 20, i), lit) << "top row";
        EXPECT_EQ(PixelAt(image, i, 15), lit) << "left column";
        EXPECT_EQ(PixelAt(image, right - i, 15), shaded) << "right column";
        EXPECT_EQ(PixelAt(image, 20, bottom - i), shaded) << "bottom row";
        EXPECT_EQ(PixelAt(image, right - i, i), shaded) << "top-right corner";
        EXPECT_EQ(PixelAt(image, i, bottom - i), shaded) << "bottom-left corner";
        EXPECT_EQ(PixelAt(image, right - i, bottom - i), shaded) << "bottom-right corner";
    }
    const int inside = bevel.width;
    EXPECT_EQ(PixelAt(image, inside, inside), colors::clYellow);
    EXPECT_EQ(PixelAt(image, right - inside, bottom - inside), colors::clYellow);
}

INSTANTIATE_TEST_SUITE_P(RaisedAndLowered, PanelBevel,
                         ::testing::Values(BevelCase{TBevelCut::bvRaised, 1},
                                           BevelCase{TBevelCut::bvLowered, 1},
                                           BevelCase{TBevelCut::bvRaised, 7},
                                           BevelCase{TBevelCut::bvLowered, 7}),
                         [](const auto& instance) { return BevelName(instance.param); });

TEST(PanelColour, IsAlsoThePaletteColourChildLabelsReadAsTheirParents) {
    TPanel panel;
    EXPECT_EQ(panel.palette().color(QPalette::Window), colors::clBtnFace);
    panel.SetColor(colors::kPaleYellow);
    EXPECT_EQ(panel.palette().color(QPalette::Window), colors::kPaleYellow);
}

class PanelCaption : public ::testing::Test {
  protected:
    static constexpr int kBevel = 3;

    void SetUp() override {
        panel.resize(160, 61);
        panel.SetColor(colors::clWhite);
        panel.SetBevelWidth(kBevel);
        panel.SetBevelOuter(TBevelCut::bvLowered);
        panel.SetFont(MakeFont(kGothic, 20, colors::clBlack));
    }

    int LineHeight() const { return QFontMetrics(panel.Font().face).height(); }
    QRect Inner() const { return QRect(0, 0, 160, 61).adjusted(kBevel, kBevel, -kBevel, -kBevel); }
    int CaptionTop() const { return (kBevel + (61 - kBevel) - LineHeight()) / 2; }
    int InkIn(const QImage& image, const QRect& area) const {
        return CountInk(image, area.intersected(Inner()), {colors::clWhite});
    }

    TPanel panel;
};

TEST_F(PanelCaption, StandsInTheBandCentredOnTheInnerAreaByTheLineHeight) {
    panel.SetCaption(SjisFromUtf8("ＷＷ"));
    const QImage image = Grab(panel);
    const QRect band(Inner().left(), CaptionTop(), Inner().width(), LineHeight());
    EXPECT_GT(InkIn(image, band), 0);
    EXPECT_EQ(InkIn(image, QRect(0, 0, 160, CaptionTop())), 0) << "ink above the band";
    EXPECT_EQ(InkIn(image, QRect(0, band.bottom() + 1, 160, 61)), 0) << "ink below the band";
}

TEST_F(PanelCaption, AlignsLeftAndRightOnTheBevelsInnerEdges) {
    panel.SetCaption(SjisFromUtf8("ＷＷ"));
    const QRect band(Inner().left(), CaptionTop(), Inner().width(), LineHeight());
    const QRect leftQuarter(band.left(), band.top(), 40, band.height());
    const QRect rightQuarter(band.right() - 39, band.top(), 40, band.height());

    panel.SetAlignment(Qt::AlignLeft);
    QImage image = Grab(panel);
    EXPECT_GT(InkIn(image, leftQuarter), 0);
    EXPECT_EQ(InkIn(image, rightQuarter), 0);

    panel.SetAlignment(Qt::AlignRight);
    image = Grab(panel);
    EXPECT_EQ(InkIn(image, leftQuarter), 0);
    EXPECT_GT(InkIn(image, rightQuarter), 0);
}

TEST_F(PanelCaption, TooWideIsCutAtTheBevelsInnerEdgesLeavingTheRingsIntact) {
    panel.SetBevelOuter(TBevelCut::bvRaised);
    panel.SetCaption(SjisFromUtf8("ＷＷＷＷＷＷＷＷＷＷＷＷ"));
    const QImage image = Grab(panel);
    for (int y = 0; y < 61; ++y) {
        for (int ring = 0; ring < kBevel; ++ring) {
            if (y >= ring && y <= 60 - ring) {
                ASSERT_EQ(PixelAt(image, ring, y),
                          y == 60 - ring ? colors::clBtnShadow : colors::clBtnHighlight)
                    << "left ring " << ring << " row " << y;
                ASSERT_EQ(PixelAt(image, 159 - ring, y), colors::clBtnShadow)
                    << "right ring " << ring << " row " << y;
            }
        }
    }
    EXPECT_GT(InkIn(image, QRect(kBevel, 0, 10, 61)), 0) << "the text reaches the inner edge";
}

}  // namespace
}  // namespace zunpeko
