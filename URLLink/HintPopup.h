// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace zunpeko {

// The small top-level window a hyperlink label shows beside the pointer. It is
// borderless, stays on top and never takes activation or focus, so the main
// window keeps the keyboard while it is up. One instance lives as long as its
// label; showing and hiding reuse the same native window.
class HintPopup : public QWidget {
    Q_OBJECT

  public:
    HintPopup();

    // Shows text in font and textColor on background, the window's top-left at
    // topLeft in screen pixels and just large enough for the text plus its margin.
    // owner is the window the pointer is over: Wayland places a popup only
    // relative to a window of the program.
    void Present(const QString& text, const QFont& font, const QColor& textColor,
                 const QColor& background, const QPoint& topLeft, const QWidget* owner);

    const QString& Text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    QColor textColor_;
    QColor background_;
};

}  // namespace zunpeko
