// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "Bevel.h"
#include "ControlFont.h"
#include "SjisText.h"

namespace zunpeko {

// The window framework's panel: a windowed container with an outer 3-D bevel.
//
// It paints the bevel's rings, fills the area inside them with its colour and
// draws its caption in one line, aligned between the bevel's inner edges and
// centred vertically by the font's line height, cut to that band. Its colour is
// also its palette's Window role, where labels without a colour of their own
// look for their parent's colour. Presses on it stay with it; it takes no focus.
class TPanel : public QWidget {
    Q_OBJECT

  public:
    explicit TPanel(QWidget* parent = nullptr);

    const SjisText& Caption() const { return caption_; }
    void SetCaption(const SjisText& caption);

    const ControlFont& Font() const { return font_; }
    void SetFont(const ControlFont& font);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);

    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);

    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment horizontal);

    // The band the caption is drawn in and cut to, in the panel's coordinates.
    QRect CaptionBand() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    SjisText caption_;
    ControlFont font_;
    QColor color_;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
};

}  // namespace zunpeko
