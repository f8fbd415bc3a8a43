// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <optional>

#include "Colors.h"
#include "LinkOnPanel.h"

namespace zunpeko::testing {
namespace {

// The box around the pixels of an image that differ from its corner pixel.
std::optional<QRect> InkBounds(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

bool HasPixelNear(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor seen = image.pixelColor(x, y);
            if (std::abs(seen.red() - color.red()) + std::abs(seen.green() - color.green()) +
                    std::abs(seen.blue() - color.blue()) <
                60) {
                return true;
            }
        }
    }
    return false;
}

using ThePopup = LinkOnPanel;

TEST_F(ThePopup, AppearsOnceAtTheFirstPointerPositionPlusOffsets) {
    pointer = {100, 200};
    Hover();
    ASSERT_TRUE(link->HintShown());
    EXPECT_TRUE(PopupVisible());
    EXPECT_EQ(link->HintForm()->pos(), QPoint(115, 215));

    pointer = {300, 20};
    PointerTo(OnLink({6, 5}));
    PointerTo(OnLink({8, 5}));
    EXPECT_EQ(link->HintForm()->pos(), QPoint(115, 215));
}

TEST_F(ThePopup, IsPlacedByTheOffsetsEvenPastTheScreenEdge) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    pointer = screen.bottomRight();
    link->SetHintOffsetX(-4);
    link->SetHintOffsetY(30);
    Hover();
    EXPECT_EQ(link->HintForm()->pos(), screen.bottomRight() + QPoint(-4, 30));
}

TEST_F(ThePopup, IsAsLargeAsTheLinkTextPlusItsMargin) {
    const ControlFont big = MakeFont(kMincho, 19, colors::clBlack, true);
    const SjisText page = SjisFromUtf8("http://example.jp/ずんぺこ/");
    link->SetHintFormFont(big);
    link->SetLink(page);
    Hover();
    TCustomLabel sameText;  // a label measures the same one-line extent
    sameText.SetFont(big);
    sameText.SetCaption(page);
    EXPECT_EQ(link->HintForm()->size(), sameText.TextExtent() + QSize(6, 3));
}

TEST_F(ThePopup, DrawsTheLinkInTheHintFontColourFromTwoPixelsIn) {
    link->SetHintFormFont(MakeFont(kGothic, 12, colors::clBlue));
    link->SetHintFormColor(colors::clYellow);
    Hover();
    const QImage shot = link->HintForm()->grab().toImage();
    ASSERT_EQ(shot.size(), link->HintForm()->size());
    EXPECT_EQ(shot.pixelColor(0, 0), colors::clYellow);
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() - 1), colors::clYellow);
    EXPECT_TRUE(HasPixelNear(shot, colors::clBlue));
    const std::optional<QRect> ink = InkBounds(shot);
    ASSERT_TRUE(ink.has_value());
    EXPECT_GE(ink->left(), 2);
    EXPECT_LE(ink->left(), 4);  // "h" starts within a pixel or two of its origin
    EXPECT_GE(ink->top(), 2);
    EXPECT_LT(ink->right(), shot.width() - 1);
}

TEST_F(ThePopup, GoesOnLeaveAndComesBackWhereThePointerNowIs) {
    Hover();
    PointerTo(kOffLink);
    EXPECT_FALSE(PopupVisible());
    EXPECT_FALSE(link->HintShown());
    pointer = {40, 50};
    Hover();
    EXPECT_TRUE(PopupVisible());
    EXPECT_EQ(link->HintForm()->pos(), QPoint(55, 65));
}

TEST_F(ThePopup, GoesOnALeftPressAndReturnsWithTheNextMovement) {
    Hover();
    Press(Qt::LeftButton);
    EXPECT_FALSE(PopupVisible());
    EXPECT_FALSE(link->HintShown());
    Release(Qt::LeftButton);
    pointer = {60, 70};
    PointerTo(OnLink({7, 4}));
    EXPECT_TRUE(PopupVisible());
    EXPECT_EQ(link->HintForm()->pos(), QPoint(75, 85));
}

TEST_F(ThePopup, StaysThroughRightAndMiddlePresses) {
    Hover();
    Click(Qt::RightButton);
    Click(Qt::MiddleButton);
    EXPECT_TRUE(PopupVisible());
    EXPECT_TRUE(link->HintShown());
}

TEST_F(ThePopup, StaysUpWhenHintsAreTurnedOffUntilThePointerLeaves) {
    Hover();
    link->SetEnableShowHint(false);
    PointerTo(OnLink({8, 6}));
    EXPECT_TRUE(PopupVisible());
    PointerTo(kOffLink);
    EXPECT_FALSE(PopupVisible());
    Hover();
    EXPECT_FALSE(PopupVisible());
}

TEST_F(ThePopup, KeepsTheOldTextUntilItIsShownAgain) {
    Hover();
    const QSize oldSize = link->HintForm()->size();
    const QImage oldShot = link->HintForm()->grab().toImage();
    link->SetLink("http://example.jp/a/much/longer/address/");
    PointerTo(OnLink({8, 6}));
    EXPECT_EQ(link->HintForm()->size(), oldSize);
    EXPECT_EQ(link->HintForm()->grab().toImage(), oldShot);
    PointerTo(kOffLink);
    Hover();
    EXPECT_GT(link->HintForm()->width(), oldSize.width());
}

TEST_F(ThePopup, ShowsTheBareMailAddress) {
    link->SetURLType(TURLtype::tpMAIL);
    link->SetLink("zun@example.jp");
    Hover();
    EXPECT_EQ(link->HintForm()->size(),
              LineExtent(link->HintFormFont().face, "zun@example.jp") + QSize(6, 3));
}

TEST_F(ThePopup, LeavesTheMainWindowActive) {
    ASSERT_EQ(QApplication::activeWindow(), &window);
    Hover();
    ASSERT_TRUE(PopupVisible());
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QGuiApplication::focusWindow(), window.windowHandle());
    EXPECT_FALSE(link->HintForm()->isActiveWindow());
    const Qt::WindowFlags flags = link->HintForm()->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
}

}  // namespace
}  // namespace zunpeko::testing
