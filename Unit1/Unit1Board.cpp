// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1's board and the displays the game writes to.
#include <QPainter>

#include "Unit1.h"

namespace zunpeko {

void TForm1::DrawBoard() {
    if (!renderer_) {
        return;
    }
    renderer_->Compose(game_.Field());
    boardShown_ = true;
    surface_->repaint(BoardRenderer::BoardRect());
}

void TForm1::RepaintNow() {
    boardShown_ = false;
    // The client area itself: Qt leaves an opaque child out when it repaints
    // the parent, and the surface, which fills its background, is one.
    surface_->repaint();
}

const QImage* TForm1::Offscreen() const {
    return renderer_ ? &renderer_->Offscreen() : nullptr;
}

void TForm1::PaintBoard(QPainter& painter) const {
    // The board is shown from its drawing until the next forced repaint; an
    // ordinary expose in between shows it again rather than a blank band.
    if (!boardShown_ || !renderer_) {
        return;
    }
    // Pixel art: on a scaled display every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(BoardRenderer::BoardRect().topLeft(), renderer_->Offscreen());
}

void TForm1::SetTimeLabel(const SjisText& text) {
    Lbl_Tim->SetCaption(text);
}

void TForm1::RepaintTimeLabelNow() {
    Lbl_Tim->repaint();
}

void TForm1::SetScoreText(const SjisText& text) {
    Pnl_Sc->SetCaption(text);
}

void TForm1::PlayHitSound() {
    sound_->PlayHit();
}

bool TForm1::StopGame() {
    const unsigned before = procedures_;
    N2Click();
    // The stop counts itself; anything beyond that is a start made during
    // its slide, whose game the tick's period belongs to now.
    return procedures_ != before + 1;
}

std::int32_t TForm1::TickPeriod() const {
    return Timer2->Interval();
}

void TForm1::SetTickPeriod(std::int32_t ms) {
    Timer2->SetInterval(ms);
}

void TForm1::SetTickEnabled(bool enabled) {
    Timer2->SetEnabled(enabled);
}

}  // namespace zunpeko
