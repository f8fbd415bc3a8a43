// SPDX-License-Identifier: GPL-3.0-or-later
#include "URLLink.h"

#include <QCursor>
#include <QDesktopServices>
#include <QUrl>
#include <string_view>
#include <utility>

#include "AccessibleLink.h"
#include "Colors.h"
#include "Cp932.h"
#include "HintPopup.h"
#include "StoreIfChanged.h"

namespace zunpeko {
namespace {

constexpr std::string_view kMailPrefix = "mailto:";

}  // namespace

TURLLink::TURLLink(QWidget* owner)
    : TCustomLabel(owner),
      urlType_(TURLtype::tpURL),
      link_("http://"),
      linkColor_(colors::clRed),
      hintShown_(false),
      hintOffsetX_(15),
      hintOffsetY_(15),
      hintFormColor_(colors::clInfoBk),
      enableShowHint_(true) {
    InstallAccessibleLinks();
    setCursor(Qt::PointingHandCursor);
    SetFontColor(colors::clBlue);
    hintForm_ = std::make_unique<HintPopup>();
    hintFormFont_ = DefaultFont();
}

TURLLink::~TURLLink() {
    // The popup goes first: destroying it takes it off the screen if it is up.
    hintForm_.reset();
}

TURLtype TURLLink::URLType() const {
    return urlType_;
}

void TURLLink::SetURLType(TURLtype value) {
    if (StoreIfChanged(urlType_, value)) {
        update();
    }
}

const SjisText& TURLLink::Link() const {
    return link_;
}

void TURLLink::SetLink(const SjisText& value) {
    if (StoreIfChanged(link_, value)) {
        update();
    }
}

QColor TURLLink::LinkColor() const {
    return linkColor_;
}

void TURLLink::SetLinkColor(const QColor& value) {
    if (StoreIfChanged(linkColor_, value)) {
        update();
    }
}

QColor TURLLink::HintFormColor() const {
    return hintFormColor_;
}

void TURLLink::SetHintFormColor(const QColor& value) {
    if (StoreIfChanged(hintFormColor_, value)) {
        update();
    }
}

int TURLLink::HintOffsetX() const {
    return hintOffsetX_;
}

void TURLLink::SetHintOffsetX(int value) {
    if (StoreIfChanged(hintOffsetX_, value)) {
        update();
    }
}

int TURLLink::HintOffsetY() const {
    return hintOffsetY_;
}

void TURLLink::SetHintOffsetY(int value) {
    if (StoreIfChanged(hintOffsetY_, value)) {
        update();
    }
}

bool TURLLink::EnableShowHint() const {
    return enableShowHint_;
}

void TURLLink::SetEnableShowHint(bool value) {
    if (StoreIfChanged(enableShowHint_, value)) {
        update();
    }
}

const ControlFont& TURLLink::HintFormFont() const {
    return hintFormFont_;
}

void TURLLink::SetHintFormFont(const ControlFont& value) {
    // Only the control's own font object is left alone; any other is copied,
    // so the caller can go on changing its font without reaching the control.
    if (&value == &hintFormFont_) {
        return;
    }
    hintFormFont_ = value;
    update();
}

bool TURLLink::HintShown() const {
    return hintShown_;
}

QWidget* TURLLink::HintForm() const {
    return hintForm_.get();
}

void TURLLink::SetOpener(LinkOpener* opener) {
    opener_ = opener;
}

void TURLLink::SetCursorPosSource(std::function<QPoint()> source) {
    cursorPos_ = std::move(source);
}

void TURLLink::MouseEnter() {
    TCustomLabel::MouseEnter();
    // Qt can announce the pointer twice without a leave between (after a double
    // click it forgets the label is under the pointer). Saving the colour again
    // would save LinkColor itself and leave the caption highlighted for good.
    if (hovered_) {
        return;
    }
    hovered_ = true;
    // The colour is taken at entry, so a LinkColor set while the pointer rests
    // here waits for the next entry, and a Font colour set meanwhile is lost.
    savedFontColor_ = Font().color;
    SetFontColor(linkColor_);
    update();
}

void TURLLink::MouseLeave() {
    TCustomLabel::MouseLeave();
    if (hovered_) {
        hovered_ = false;
        SetFontColor(savedFontColor_);
        update();
    }
    HideHint();
}

void TURLLink::hideEvent(QHideEvent* event) {
    TCustomLabel::hideEvent(event);
    // Hiding the label, or the panel it lies on, while the pointer rests on it
    // must count as the pointer leaving. Qt usually says so itself, but not
    // when its hover tracking has lost the label, and then the popup would
    // stay on the screen over whatever comes next.
    MouseLeave();
}

void TURLLink::MouseMove(Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {
    // Prepared once per hover: while it is up the popup stays where it was
    // first placed and further movements cost nothing.
    if (!enableShowHint_ || hintShown_) {
        return;
    }
    ShowHint();
}

// A double click reaches the label as press, release, double-click, release, and
// QWidget hands the double-click to mousePressEvent, so it opens the link twice.
void TURLLink::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    TCustomLabel::MouseDown(button, shift, x, y);
    if (button != Qt::LeftButton) {
        return;
    }
    // The prefix goes in front whatever the link holds: the link is the bare address.
    Opener().Open(urlType_ == TURLtype::tpMAIL ? SjisText(kMailPrefix) + link_ : link_);
    HideHint();
}

void TURLLink::Press() {
    MouseDown(Qt::LeftButton, Qt::NoModifier, 0, 0);
}

void TURLLink::ShowHint() {
    const QPoint pointer = CursorPos();
    hintForm_->Present(ToDisplay(link_), hintFormFont_.face, hintFormFont_.color, hintFormColor_,
                       pointer + QPoint(hintOffsetX_, hintOffsetY_), this);
    hintShown_ = true;
}

void TURLLink::HideHint() {
    if (!hintShown_) {
        return;
    }
    hintForm_->hide();
    hintShown_ = false;
}

QPoint TURLLink::CursorPos() const {
    return cursorPos_ ? cursorPos_() : QCursor::pos();
}

namespace {

// Hands a target to the desktop's handler for its scheme (the web browser for
// http, the mail program for mailto) and returns at once. Whether anything
// opened is not reported: a link that leads nowhere is simply a dead link.
class DesktopLinkOpener final : public LinkOpener {
  public:
    void Open(const SjisText& target) override {
        // Tolerant parsing takes the text as a person would type it into a
        // browser, so spaces and non-ASCII characters are percent-encoded
        // instead of rejected.
        QDesktopServices::openUrl(QUrl(ToDisplay(target), QUrl::TolerantMode));
    }
};

}  // namespace

LinkOpener& TURLLink::Opener() const {
    if (opener_ != nullptr) {
        return *opener_;
    }
    static DesktopLinkOpener desktop;
    return desktop;
}

}  // namespace zunpeko
