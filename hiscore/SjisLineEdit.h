// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <cstddef>

class QInputMethodEvent;

namespace zunpeko {

// A one-line edit field that holds at most maxBytes of code page 932. A key or
// a paste that would go past the limit is refused whole (SjisByteLimitValidator);
// an input method's commit is cut to what still fits, at a character boundary,
// since a converted phrase refused whole would leave the field as it was with
// no sign of why. A reading the player cancels stays cancelled.
class SjisLineEdit final : public QLineEdit {
  public:
    SjisLineEdit(const QString& text, std::size_t maxBytes, QWidget* parent = nullptr);

  protected:
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    void CutCommitToFit(QInputMethodEvent& event) const;
    QString TextLeftByCommit(const QInputMethodEvent& event) const;

    std::size_t maxBytes_;
    bool readingShown_ = false;  // an input method's uncommitted text
};

}  // namespace zunpeko
