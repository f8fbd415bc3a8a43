// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>

#include "ControlFont.h"
#include "CustomLabel.h"
#include "SjisText.h"

namespace zunpeko {

class HintPopup;

// What a click on the link hands to the desktop: the link itself, or a mail
// address behind "mailto:".
enum class TURLtype : std::uint8_t { tpURL = 0, tpMAIL = 1 };

// Hands a target (SJIS bytes) to the desktop's default handler. The default
// one goes through QDesktopServices; tests install a recording one.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    virtual void Open(const SjisText& target) = 0;
};

// A label that acts as a hyperlink: it shows LinkColor while the pointer is on
// it, pops up its Link beside the pointer the first time the pointer moves over
// it, and opens the Link with the desktop's handler on a left press.
class TURLLink : public TCustomLabel {
    Q_OBJECT

  public:
    explicit TURLLink(QWidget* owner);
    ~TURLLink() override;
    TURLLink(const TURLLink&) = delete;
    TURLLink& operator=(const TURLLink&) = delete;
    TURLLink(TURLLink&&) = delete;
    TURLLink& operator=(TURLLink&&) = delete;

    TURLtype URLType() const;
    void SetURLType(TURLtype value);
    const SjisText& Link() const;
    void SetLink(const SjisText& value);
    QColor LinkColor() const;
    void SetLinkColor(const QColor& value);
    QColor HintFormColor() const;
    void SetHintFormColor(const QColor& value);
    int HintOffsetX() const;
    void SetHintOffsetX(int value);
    int HintOffsetY() const;
    void SetHintOffsetY(int value);
    bool EnableShowHint() const;
    void SetEnableShowHint(bool value);
    const ControlFont& HintFormFont() const;
    void SetHintFormFont(const ControlFont& value);
    bool HintShown() const;
    // What a left press on the link does, for presses that come another way
    // (assistive technology's press action).
    void Press();
    // The popup window, for tests.
    QWidget* HintForm() const;

    // Seams: where targets go and where the pointer is (screen pixels).
    void SetOpener(LinkOpener* opener);                       // nullptr = the desktop default
    void SetCursorPosSource(std::function<QPoint()> source);  // empty = QCursor::pos

  protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ShowHint();
    void HideHint();
    QPoint CursorPos() const;
    LinkOpener& Opener() const;

    TURLtype urlType_;
    SjisText link_;
    QColor linkColor_;
    QColor savedFontColor_;
    bool hintShown_;
    int hintOffsetX_;
    int hintOffsetY_;
    QColor hintFormColor_;
    bool enableShowHint_;
    bool hovered_ = false;
    std::unique_ptr<HintPopup> hintForm_;
    ControlFont hintFormFont_;
    LinkOpener* opener_ = nullptr;
    std::function<QPoint()> cursorPos_;
};

}  // namespace zunpeko
