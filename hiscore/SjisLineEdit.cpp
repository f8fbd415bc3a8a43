// SPDX-License-Identifier: GPL-3.0-or-later
#include "SjisLineEdit.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>

#include "Cp932.h"
#include "SjisByteLimitValidator.h"

namespace zunpeko {
namespace {

// The length of the longest start of text, in whole characters (a surrogate
// pair is one), that takes at most maxBytes in code page 932.
qsizetype FittingLength(const QString& text, std::size_t maxBytes) {
    qsizetype length = 0;
    std::size_t bytes = 0;
    while (length < text.size()) {
        const bool pair = text.at(length).isHighSurrogate() && length + 1 < text.size() &&
                          text.at(length + 1).isLowSurrogate();
        const qsizetype n = pair ? 2 : 1;
        bytes += FromDisplay(text.mid(length, n)).size();
        if (bytes > maxBytes) {
            break;
        }
        length += n;
    }
    return length;
}

}  // namespace

SjisLineEdit::SjisLineEdit(const QString& text, std::size_t maxBytes, QWidget* parent)
    : QLineEdit(text, parent), maxBytes_(maxBytes) {
    setValidator(new SjisByteLimitValidator(maxBytes, this));
}

void SjisLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    CutCommitToFit(*event);
    // A reading taken away with nothing committed was cancelled (Esc). Qt's
    // ibus client keeps it even so, and commits it when the line edit next
    // asks, at Return or when the focus leaves: make it forget the reading.
    const bool shown = !event->preeditString().isEmpty();
    const bool cancelled = readingShown_ && !shown && event->commitString().isEmpty();
    readingShown_ = shown;
    QLineEdit::inputMethodEvent(event);
    if (cancelled) {
        QGuiApplication::inputMethod()->reset();
    }
}

void SjisLineEdit::CutCommitToFit(QInputMethodEvent& event) const {
    const QString commit = event.commitString();
    if (commit.isEmpty()) {
        return;
    }
    const std::size_t used = FromDisplay(TextLeftByCommit(event)).size();
    const qsizetype fits = FittingLength(commit, used < maxBytes_ ? maxBytes_ - used : 0);
    if (fits < commit.size()) {
        event.setCommitString(commit.left(fits), event.replacementStart(),
                              event.replacementLength());
    }
}

// What stays of the text when the commit goes in: the line edit first takes
// out the selection, then the span the input method asks to replace, which
// lies around the cursor.
QString SjisLineEdit::TextLeftByCommit(const QInputMethodEvent& event) const {
    QString left = text();
    qsizetype cursor = cursorPosition();
    if (hasSelectedText()) {
        cursor = selectionStart();
        left.remove(cursor, selectionLength());
    }
    if (event.replacementLength() > 0) {
        const qsizetype from = qBound(qsizetype{0}, cursor + event.replacementStart(), left.size());
        left.remove(from, event.replacementLength());
    }
    return left;
}

}  // namespace zunpeko
