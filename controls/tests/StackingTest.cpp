// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "Colors.h"
#include "CustomLabel.h"
#include "FormSurface.h"
#include "Panel.h"
#include "Stacking.h"

namespace zunpeko {
namespace {

// A surface shown as its own window, so presses are routed by position the way
// the window system routes them.
class SurfaceWithControls : public ::testing::Test {
  protected:
    void SetUp() override {
        surface.resize(200, 100);
        surface.SetColor(colors::kPaleYellow);
    }

    TCustomLabel* AddLabel(const QRect& bounds, QWidget* parent = nullptr) {
        auto* label = new TCustomLabel(parent != nullptr ? parent : &surface);
        label->SetAutoSize(false);
        label->setGeometry(bounds);
        return label;
    }

    TPanel* AddPanel(const QRect& bounds) {
        auto* panel = new TPanel(&surface);
        panel->setGeometry(bounds);
        return panel;
    }

    void ShowAndPress(const QPoint& at) {
        if (!surface.isVisible()) {
            surface.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
        }
        QTest::mouseClick(surface.windowHandle(), Qt::LeftButton, Qt::ShiftModifier, at);
    }

    TFormSurface surface;
};

// Windowed controls (panels) go in front of graphic ones (labels), even
// labels made after them; within each group a later sibling stays in front.
TEST_F(SurfaceWithControls, PutsWindowedControlsInFrontAndKeepsEachGroupsOrder) {
    AddLabel({0, 0, 100, 100});
    TCustomLabel* laterLabel = AddLabel({50, 0, 100, 100});
    AddPanel({0, 0, 80, 50});
    TPanel* laterPanel = AddPanel({40, 0, 80, 50});
    TCustomLabel* lastLabel = AddLabel({40, 0, 30, 50});
    StackWindowedInFront(&surface);
    EXPECT_EQ(surface.childAt(60, 75), laterLabel);
    EXPECT_EQ(surface.childAt(60, 25), laterPanel) << "in front of the label made after it";
    EXPECT_EQ(surface.childAt(130, 25), laterLabel);
    EXPECT_NE(surface.childAt(50, 25), lastLabel);
}

TEST_F(SurfaceWithControls, ReportsAPressOnItsBareSurfaceInClientCoordinates) {
    AddLabel({0, 0, 50, 50});
    QSignalSpy presses(&surface, &TFormSurface::mouseDown);
    ShowAndPress({120, 70});
    ASSERT_EQ(presses.size(), 1);
    EXPECT_EQ(presses[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(presses[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(presses[0][2].toInt(), 120);
    EXPECT_EQ(presses[0][3].toInt(), 70);
}

TEST_F(SurfaceWithControls, NeverSeesPressesOnLabelsPanelsOrWhatLiesOnThem) {
    AddLabel({0, 0, 50, 50})->SetTransparent(true);
    TPanel* panel = AddPanel({100, 0, 100, 100});
    AddLabel({10, 10, 20, 20}, panel);
    QSignalSpy presses(&surface, &TFormSurface::mouseDown);
    ShowAndPress({25, 25});   // a transparent label
    ShowAndPress({150, 80});  // the panel
    ShowAndPress({115, 15});  // a label on the panel
    EXPECT_EQ(presses.size(), 0);
}

TEST_F(SurfaceWithControls, SeesPressesWhereAHiddenControlLies) {
    AddPanel({0, 0, 100, 100})->hide();
    QSignalSpy presses(&surface, &TFormSurface::mouseDown);
    ShowAndPress({50, 50});
    EXPECT_EQ(presses.size(), 1);
}

TEST_F(SurfaceWithControls, PaintsItsColourThenItsPaintHookUnderItsControls) {
    AddLabel({0, 0, 20, 20})->SetColor(colors::clBlue);
    surface.SetPaintHook([](QPainter& painter) { painter.fillRect(10, 10, 50, 50, Qt::red); });
    const QImage image = surface.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), colors::clBlue);
    EXPECT_EQ(image.pixelColor(15, 15), colors::clBlue) << "the label paints over the hook";
    EXPECT_EQ(image.pixelColor(40, 40), colors::clRed);
    EXPECT_EQ(image.pixelColor(100, 80), colors::kPaleYellow);
}

}  // namespace
}  // namespace zunpeko
