// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

#include "ControlFont.h"
#include "SjisText.h"

namespace zunpeko {

// The window framework's push button: caption centred in its own font, a tab
// stop, drawn as the active button while it has the focus, and pressed by Enter
// as well as by Space.
class TButton : public QPushButton {
    Q_OBJECT

  public:
    explicit TButton(QWidget* parent = nullptr);

    const SjisText& Caption() const { return caption_; }
    void SetCaption(const SjisText& caption);

    const ControlFont& Font() const { return font_; }
    void SetFont(const ControlFont& font);

  private:
    SjisText caption_;
    ControlFont font_;
};

}  // namespace zunpeko
