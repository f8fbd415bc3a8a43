#include "DialogNamePrompt.h"

#include "Cp932.h"

namespace zunpeko {

DialogNamePrompt::DialogNamePrompt(QWidget* parent) : parent_(parent) {}

SjisText DialogNamePrompt::Ask(const SjisText& title, const SjisText& promptLine,
                               const SjisText& defaultText) {
    if (closing_) {
        return defaultText;
    }
    NamePromptDialog dialog(ToDisplay(title), ToDisplay(promptLine), ToDisplay(defaultText),
                            parent_);
    open_ = &dialog;
    const int result = dialog.exec();  // also returns when the application quits
    open_.clear();
    if (result != QDialog::Accepted || closing_) {
        return defaultText;
    }
    return FromDisplay(dialog.Text());
}

void DialogNamePrompt::CancelForClosing() {
    closing_ = true;
    if (open_) {
        open_->reject();
    }
}

}  // namespace zunpeko
