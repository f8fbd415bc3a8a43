// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include "SjisText.h"

class QLineEdit;

namespace zunpeko {

// The modal box that asks for a line of text: a prompt line, a one-line edit
// field holding the default text all selected (at most 255 bytes of code page
// 932), "OK" (Enter) and "ｷｬﾝｾﾙ" (Esc), laid out in units of the window font,
// with a fixed border, centred on the screen.
class NamePromptDialog final : public QDialog {
  public:
    static constexpr std::size_t kMaxTextBytes = 255;

    // Shows the box, modal to parent (or to the whole program), and returns
    // the text confirmed with OK in code page 932, a character it cannot hold
    // as "？"; the default text when the box was cancelled, closed, or
    // rejected from outside (the program ending), or the application quit.
    static SjisText Ask(QWidget* parent, const SjisText& title, const SjisText& promptLine,
                        const SjisText& defaultText);

    NamePromptDialog(const QString& title, const QString& promptLine, const QString& defaultText,
                     QWidget* parent = nullptr);

    QString Text() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CentreOnScreen();

    QLineEdit* edit_ = nullptr;
};

}  // namespace zunpeko
