// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a scaled display: it keeps its logical size, the board's
// pixel art is enlarged block by block, text is drawn at the display's own
// resolution, and a press lands on the mole drawn under it.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QTest>
#include <QWindow>
#include <array>
#include <climits>
#include <cmath>

#include "Game.h"
#include "QtClock.h"
#include "RecordingSound.h"
#include "SpriteSheetLayout.h"
#include "Unit1.h"

namespace zunpeko {
namespace {

constexpr QSize kClientSize(442, 334);
constexpr int kCellShown = 63;

double ExpectedScale() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// A game in progress as the board shows it: the title panel and the countdown
// digits out of the way, a mole of each kind in the holes.
class HiDpi : public ::testing::Test {
  protected:
    void SetUp() override {
        form_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
        form_.Pnl_TT->hide();
        form_.Lbl_Cnt1->hide();
        form_.Lbl_Cnt2->hide();
        constexpr std::array kFrames{2, 5, 6, 1, 3, 2, 5, 6, 1, 2, 3, 2};
        for (int hole = 1; hole <= MoleField::kHoleCount; ++hole) {
            form_.Engine().Field().At(hole) = Hole{MoleKind::Mole, 1, kFrames.at(hole - 1)};
        }
        form_.DrawBoard();
        grab_ = form_.Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        scale_ = form_.Surface()->devicePixelRatioF();
    }

    // The device pixel whose centre lies over logical point (x, y) + 0.5.
    QRgb DeviceAt(int x, int y) const {
        return grab_.pixel(static_cast<int>(x * scale_), static_cast<int>(y * scale_));
    }

    // The board's rectangle in device pixels, cut to the grab as the client
    // area cuts the board.
    QRect DeviceBoard() const {
        const QRect board = BoardRenderer::BoardRect();
        const QRect device(static_cast<int>(std::ceil(board.left() * scale_)),
                           static_cast<int>(std::ceil(board.top() * scale_)),
                           static_cast<int>(board.width() * scale_),
                           static_cast<int>(board.height() * scale_));
        return device.intersected(grab_.rect());
    }

    // The bounding box, in logical pixels, of what is drawn in hole
    // (row, column): every device pixel near the cell that is not background.
    QRectF DrawnMole(int row, int column) const {
        const QRect cell(kBoardLeft + kCellPitchX * column, kBoardTop + kCellPitchY * row,
                         kCellShown, kCellShown);
        const QRect search = cell.adjusted(-10, -3, 10, 3);
        int left = INT_MAX;
        int top = INT_MAX;
        int right = -1;
        int bottom = -1;
        for (int y = static_cast<int>(search.top() * scale_);
             y < static_cast<int>((search.bottom() + 1) * scale_); ++y) {
            for (int x = static_cast<int>(search.left() * scale_);
                 x < static_cast<int>((search.right() + 1) * scale_) && x < grab_.width(); ++x) {
                if (grab_.pixel(x, y) != sprites::kBackground) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x + 1);
                    bottom = std::max(bottom, y + 1);
                }
            }
        }
        return {left / scale_, top / scale_, (right - left) / scale_, (bottom - top) / scale_};
    }

    // The same box taken from the off-screen image, placed where the board lies.
    QRectF ComposedMole(int row, int column) const {
        const QImage& offscreen = *form_.Offscreen();
        QRect box;
        const QPoint cell(kCellPitchX * column, kCellPitchY * row);
        for (int y = 0; y < kCellShown; ++y) {
            for (int x = 0; x < kCellShown; ++x) {
                if (offscreen.pixel(cell + QPoint(x, y)) != sprites::kBackground) {
                    box |= QRect(cell + QPoint(x, y), QSize(1, 1));
                }
            }
        }
        return QRectF(box.translated(BoardRenderer::BoardRect().topLeft()));
    }

    // The real clock; a sound that only notes its cues, as the test's folder
    // has no sound files.
    QtClock clock_;
    std::vector<std::string> sounds_;
    TForm1 form_{clock_, std::make_unique<testing::RecordingSound>(sounds_)};
    QImage grab_;
    double scale_ = 1.0;
};

TEST_F(HiDpi, KeepsTheLogicalClientAreaAndFillsItWithDevicePixels) {
    EXPECT_DOUBLE_EQ(scale_, ExpectedScale());
    EXPECT_EQ(form_.Surface()->size(), kClientSize);
    EXPECT_EQ(form_.minimumSize(), form_.maximumSize());
    EXPECT_EQ(form_.size().width(), kClientSize.width());
    EXPECT_EQ(grab_.size(), QSize(static_cast<int>(std::lround(kClientSize.width() * scale_)),
                                  static_cast<int>(std::lround(kClientSize.height() * scale_))));
}

TEST_F(HiDpi, EnlargesTheBoardsPixelsWithoutBlendingThem) {
    const QImage& offscreen = *form_.Offscreen();
    QSet<QRgb> sheetColours;
    for (int y = 0; y < offscreen.height(); ++y) {
        for (int x = 0; x < offscreen.width(); ++x) {
            sheetColours.insert(offscreen.pixel(x, y));
        }
    }
    ASSERT_GT(sheetColours.size(), 4);

    // Every device pixel is the colour of the board pixel under its centre,
    // or, where a fractional scale rounds a block edge, of a neighbour: a
    // smoothed enlargement would show colours the sheet does not have.
    const QRect device = DeviceBoard();
    const QPoint origin = BoardRenderer::BoardRect().topLeft();
    int mismatches = 0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            const QRgb shown = grab_.pixel(x, y);
            ASSERT_TRUE(sheetColours.contains(shown))
                << "blended colour at device " << x << "," << y;
            const QPoint logical(static_cast<int>((x + 0.5) / scale_) - origin.x(),
                                 static_cast<int>((y + 0.5) / scale_) - origin.y());
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const QPoint source = logical + QPoint(dx, dy);
                    near = offscreen.valid(source) && offscreen.pixel(source) == shown;
                }
            }
            mismatches += near ? 0 : 1;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(HiDpi, ScalesByWholeBlocksAtWholeFactors) {
    const int factor = static_cast<int>(scale_);
    if (factor != scale_) {
        GTEST_SKIP() << "blocks of a fractional scale are not all the same size";
    }
    const QImage& offscreen = *form_.Offscreen();
    const QPoint origin = BoardRenderer::BoardRect().topLeft();
    for (int y = 0; y < offscreen.height(); ++y) {
        for (int x = 0; x + origin.x() < kClientSize.width(); ++x) {
            const QRgb expected = offscreen.pixel(x, y);
            for (int by = 0; by < factor; ++by) {
                for (int bx = 0; bx < factor; ++bx) {
                    ASSERT_EQ(
                        grab_.pixel((origin.x() + x) * factor + bx, (origin.y() + y) * factor + by),
                        expected)
                        << "board pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(HiDpi, DrawsTextFinerThanALogicalPixel) {
    const int factor = static_cast<int>(scale_);
    if (factor < 2 || factor != scale_) {
        GTEST_SKIP() << "needs a whole factor of 2 or more to tell enlarged text from sharp text";
    }
    // The red instruction line on pale yellow. Text drawn at device resolution
    // has edges from full ink to no ink between two device pixels inside one
    // logical pixel; text enlarged from logical pixels has none there: blocks
    // are flat (nearest) or ramps spread over the block (smooth).
    constexpr int kSharpStep = 192;  // of the 255 the green channel spans
    const QRect line = form_.Label15->geometry().united(form_.Label16->geometry());
    int sharpBlocks = 0;
    for (int y = line.top(); y <= line.bottom(); ++y) {
        for (int x = line.left(); x <= line.right(); ++x) {
            bool sharp = false;
            for (int by = 0; by < factor && !sharp; ++by) {
                for (int bx = 0; bx + 1 < factor && !sharp; ++bx) {
                    const QPoint at(x * factor + bx, y * factor + by);
                    const int step =
                        qGreen(grab_.pixel(at)) - qGreen(grab_.pixel(at + QPoint(1, 0)));
                    sharp = std::abs(step) > kSharpStep;
                }
            }
            sharpBlocks += sharp ? 1 : 0;
        }
    }
    EXPECT_GT(sharpBlocks, 50) << "of " << line.width() * line.height() << " logical pixels";
}

TEST_F(HiDpi, APressWhereAMoleIsDrawnHitsThatMole) {
    for (int row = 0; row < MoleField::kRows; ++row) {
        for (int column = 0; column < MoleField::kColumns; ++column) {
            const QRectF drawn = DrawnMole(row, column);
            const QRectF composed = ComposedMole(row, column);
            // A fractional scale may round a block edge by one device pixel.
            const double slack = 1.0 / scale_ + 1e-9;
            EXPECT_NEAR(drawn.left(), composed.left(), slack) << row << "," << column;
            EXPECT_NEAR(drawn.top(), composed.top(), slack) << row << "," << column;
            EXPECT_NEAR(drawn.right(), composed.right(), slack) << row << "," << column;
            EXPECT_NEAR(drawn.bottom(), composed.bottom(), slack) << row << "," << column;

            const int hole = MoleField::HoleNumber(row, column);
            const std::int32_t scoreBefore = form_.Engine().State().Score;
            const QPoint centre = drawn.center().toPoint();
            QTest::mouseClick(form_.windowHandle(), Qt::LeftButton, {},
                              form_.Surface()->mapTo(&form_, centre));
            EXPECT_EQ(form_.Engine().Field().At(hole).frame, 8)
                << "hole " << hole << " pressed at " << centre.x() << "," << centre.y();
            EXPECT_GT(form_.Engine().State().Score, scoreBefore);
        }
    }
}

}  // namespace
}  // namespace zunpeko
