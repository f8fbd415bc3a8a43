#include "TableHiScores.h"

#include <QDir>
#include <QMessageBox>

#include "CustomLabel.h"
#include "ErrorBox.h"

namespace zunpeko {

TableHiScores::TableHiScores(QWidget& window, const HiScoreLabels& labels)
    : window_(window), labels_(labels), prompt_(&window) {}

void TableHiScores::Load() {
    ThenTellOfKeptCopy([this] { table_.LoadHiScores(); });
}

void TableHiScores::Record(std::int32_t score) {
    ThenTellOfKeptCopy([this, score] { table_.RecordGame(score); });
}

// The player hears of a copy kept aside before any error the same work
// raised, which the caller reports.
template <typename StoreWork>
void TableHiScores::ThenTellOfKeptCopy(StoreWork work) {
    try {
        work();
    } catch (...) {
        TellOfKeptCopy();
        throw;
    }
    TellOfKeptCopy();
}

void TableHiScores::TellOfKeptCopy() {
    const QString copy = registry_.TakeKeptCopy();
    if (copy.isEmpty()) {
        return;
    }
    const QString text =
        QStringLiteral(
            "ハイスコアのファイルが読めなかったので、元のファイルを\n%1\nとして残しました。")
            .arg(QDir::toNativeSeparators(copy));
    // Before the window is shown the box goes to the middle of the screen.
    QMessageBox box(QMessageBox::Information, ToDisplay(ApplicationTitle()), text, QMessageBox::Ok,
                    window_.isVisible() ? &window_ : nullptr);
    box.exec();
}

void TableHiScores::ShowEntry(int rank, const SjisText& name, const SjisText& score) {
    const auto index = static_cast<std::size_t>(rank - 1);
    labels_.names.at(index)->SetCaption(name);
    labels_.scores.at(index)->SetCaption(score);
}

}  // namespace zunpeko
