// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1's side of the hi-score table: the name prompt, the hi-score panel's
// labels, and word to the player of what became of a store file it could
// not read.
#include <QDir>
#include <QMessageBox>
#include <array>

#include "ErrorBox.h"
#include "NamePromptDialog.h"
#include "Unit1.h"

namespace zunpeko {
namespace {

QString KeptCopyText() {
    return QStringLiteral(
        "ハイスコアのファイルに"
        "読めないところがあったので、"
        "元のファイルを\n%1\nとして残しました。");
}

QString LinkLeftAloneText() {
    return QStringLiteral(
        "ハイスコアのファイルはリンクで、"
        "その先の\n%1\nは"
        "ハイスコアのファイルではないので、"
        "書き換えません。");
}

}  // namespace

SjisText TForm1::Ask(const SjisText& title, const SjisText& promptLine,
                     const SjisText& defaultText) {
    if (Closing) {
        return defaultText;  // the program is ending: no box to answer
    }
    return NamePromptDialog::Ask(this, title, promptLine, defaultText);
}

void TForm1::ShowEntry(int rank, const SjisText& name, const SjisText& score) {
    const std::array<TCustomLabel*, HiScoreTable::kRanks> names{Label6, Label7, Label8};
    const std::array<TCustomLabel*, HiScoreTable::kRanks> scores{Label9, Label10, Label11};
    const auto index = static_cast<std::size_t>(rank - 1);
    names.at(index)->SetCaption(name);
    scores.at(index)->SetCaption(score);
}

// The player hears of a copy kept aside before any error the same work
// raised, which the caller reports.
void TForm1::ThenTellOfKeptCopy(const std::function<void()>& storeWork) {
    const auto tell = [this] {
        const auto notice = store_.TakeNotice();
        if (!notice) {
            return;
        }
        const QString path = QDir::toNativeSeparators(notice->path);
        const QString text =
            (notice->kind == FileRegistry::Notice::Kind::kKeptCopy ? KeptCopyText()
                                                                   : LinkLeftAloneText())
                .arg(path);
        // Before the window is shown the box goes to the middle of the screen.
        QMessageBox box(QMessageBox::Information, ToDisplay(ApplicationTitle()), text,
                        QMessageBox::Ok, isVisible() ? this : nullptr);
        box.exec();
    };
    try {
        storeWork();
    } catch (...) {
        tell();
        throw;
    }
    tell();
}

}  // namespace zunpeko
