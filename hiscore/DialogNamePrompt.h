#pragma once

#include <QPointer>

#include "NamePrompt.h"
#include "NamePromptDialog.h"

class QWidget;

namespace zunpeko {

// Asks for the name in a NamePromptDialog, translating between the program's
// code page 932 texts and Qt. A character typed that code page 932 cannot hold
// comes back as "？".
class DialogNamePrompt final : public NamePrompt {
  public:
    // The box is modal to parent (the main window), or to the whole program.
    explicit DialogNamePrompt(QWidget* parent = nullptr);

    SjisText Ask(const SjisText& title, const SjisText& promptLine,
                 const SjisText& defaultText) override;

    // The program is ending: a box open now closes as if cancelled, and every
    // later Ask returns its default text without showing a box. (Quitting
    // the application while a box is open also cancels it.)
    void CancelForClosing();

    bool IsOpen() const { return !open_.isNull(); }

  private:
    QWidget* parent_;
    QPointer<NamePromptDialog> open_;
    bool closing_ = false;
};

}  // namespace zunpeko
