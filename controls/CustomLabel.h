// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "ControlFont.h"
#include "SjisText.h"

namespace zunpeko {

// The size of text set in one line in font, tabs expanded: the size a label
// takes for its caption, and the measure of any other one-line text.
QSize LineExtent(const QFont& font, const QString& text);

// The window framework's one-line text label.
//
// It paints in two steps: unless transparent it fills its rectangle with its
// colour (the parent's colour unless one is set), then draws its caption in one
// line from its top edge, aligned left, centred or right, tabs expanded. Unless
// it is fixed (AutoSize off) it takes the size of its caption whenever the
// caption or font changes, keeping its left and top edges; out of sight, as
// it comes into view. Like any control it
// takes the mouse presses that land on it, so they never reach the window.
class TCustomLabel : public QWidget {
    Q_OBJECT

  public:
    explicit TCustomLabel(QWidget* parent = nullptr);

    const SjisText& Caption() const { return caption_; }
    void SetCaption(const SjisText& caption);

    const ControlFont& Font() const { return font_; }
    void SetFont(const ControlFont& font);
    // The caption's colour alone (the framework's Font.Color).
    void SetFontColor(const QColor& color);

    // The fill colour: the one set, or else the parent's (its palette's Window role).
    QColor Color() const;
    void SetColor(const QColor& color);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment horizontal);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // The caption's size in the label's font: one line, tabs expanded.
    QSize TextExtent() const;

  protected:
    // The framework's notifications; a derived control replaces them and calls
    // these base versions where it wants the base behaviour.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  signals:
    // The label's OnMouseDown event, raised by the base MouseDown.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  private:
    void AdjustToCaption();

    SjisText caption_;
    ControlFont font_;
    std::optional<QColor> color_;
    bool transparent_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool autoSize_ = true;
    // The caption or font changed while the label was out of sight.
    bool sizeStale_ = false;
};

}  // namespace zunpeko
