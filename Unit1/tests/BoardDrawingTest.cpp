// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Colors.h"
#include "ShownForm.h"
#include "SpriteSheetLayout.h"
#include "SpriteSheetResource.h"

namespace zunpeko {
namespace {

class BoardDrawing : public testing::ShownForm {
  protected:
    // What reached the screen (the window's backing store), not a fresh
    // painting of the widgets: a repaint that leaves something out shows here.
    // A Wayland client may not read the screen: there the widgets paint afresh.
    QImage ClientArea() {
        if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
            return form.Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        }
        const QRect client(form.Surface()->mapTo(&form, QPoint(0, 0)), form.Surface()->size());
        return form.screen()
            ->grabWindow(form.winId(), client.x(), client.y(), client.width(), client.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The window's pixels where the hole in (row, column) is shown.
    QImage ShownCell(int row, int column) {
        return ClientArea().copy(50 + 100 * column, 60 + 70 * row, 63, 63);
    }

    static QImage SheetCell(int frame) {
        return sprites::LoadSpriteSheet()
            .copy(QRect(sprites::CellOrigin(frame), QSize(63, 63)))
            .convertToFormat(QImage::Format_RGB32);
    }

    // True when the board's area (left of `right`) shows nothing but the
    // window's colour.
    bool BoardBlank(int right = 442) {
        const QImage image = ClientArea();
        for (int y = 60; y < 280; ++y) {
            for (int x = 50; x < right; ++x) {
                if (image.pixelColor(x, y) != colors::kPaleYellow) {
                    return false;
                }
            }
        }
        return true;
    }

    void ClearTheBoardArea() {
        form.Pnl_TT->hide();
        form.Lbl_Cnt1->hide();
        form.Lbl_Cnt2->hide();
    }
};

TEST_F(BoardDrawing, ShowsEachHoleAtItsCellOfTheBoardAt50By60) {
    ClearTheBoardArea();
    const std::array<int, 12> frames{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 0, 7};
    for (int hole = 1; hole <= 12; ++hole) {
        form.Engine().Field().At(hole).frame = frames.at(hole - 1);
    }
    form.DrawBoard();
    for (int hole = 1; hole <= 11; ++hole) {
        const int row = (hole - 1) / 4;
        const int column = (hole - 1) % 4;
        EXPECT_EQ(ShownCell(row, column), SheetCell(frames.at(hole - 1))) << "hole " << hole;
    }
    QImage background(63, 63, QImage::Format_RGB32);
    background.fill(colors::kPaleYellow);
    EXPECT_EQ(ShownCell(2, 3), background) << "frame 7 looks like the gaps around it";
}

TEST_F(BoardDrawing, StaysOnAnOrdinaryExposeButNotOnAForcedRepaint) {
    ClearTheBoardArea();
    form.DrawBoard();
    EXPECT_EQ(ShownCell(0, 0), SheetCell(0));
    form.Surface()->update();
    QApplication::processEvents();
    EXPECT_EQ(ShownCell(1, 2), SheetCell(0)) << "an expose keeps the last board";
    form.RepaintNow();
    EXPECT_TRUE(BoardBlank());
    form.DrawBoard();
    EXPECT_FALSE(BoardBlank());
}

TEST_F(BoardDrawing, ShowsNoHolesUntilTheFirstTickOfAGame) {
    Key(Qt::Key_F5);
    platform.clock.Advance(2000);
    form.Lbl_Cnt1->hide();  // only to see past the digit
    form.Lbl_Cnt2->hide();
    QApplication::processEvents();
    EXPECT_TRUE(BoardBlank()) << "during the countdown";
    platform.clock.Advance(1000);
    EXPECT_TRUE(BoardBlank()) << "the tick is still 200 ms off";
    Tick();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(ShownCell(row, column), SheetCell(0)) << row << ", " << column;
        }
    }
}

TEST_F(BoardDrawing, GoesBlankWhenTheTitlePanelSlidesBackIn) {
    StartGame();
    Tick();
    ASSERT_FALSE(BoardBlank());
    // At the first step the panel, at (96, -64), leaves the board's left strip in view.
    platform.clock.DuringWait([this] { EXPECT_TRUE(BoardBlank(96)) << "the first step"; });
    form.N2->trigger();
    form.Pnl_TT->hide();  // to look beneath it
    QApplication::processEvents();
    EXPECT_TRUE(BoardBlank());
}

TEST_F(BoardDrawing, ShowsNothingOfTheStoppedGameInTheCountdownOfAStartDuringTheStopSlide) {
    StartGame();
    Tick();
    platform.clock.DuringWait([this] { Key(Qt::Key_F5); });
    form.N2->trigger();
    ASSERT_TRUE(form.Timer1->Enabled());
    form.Lbl_Cnt1->hide();  // only to see past the digit
    form.Lbl_Cnt2->hide();
    QApplication::processEvents();
    EXPECT_TRUE(BoardBlank());
}

}  // namespace
}  // namespace zunpeko
