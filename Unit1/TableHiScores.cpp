#include "TableHiScores.h"

#include "CustomLabel.h"

namespace zunpeko {

TableHiScores::TableHiScores(QWidget& window, const HiScoreLabels& labels)
    : labels_(labels), prompt_(&window) {}

void TableHiScores::ShowEntry(int rank, const SjisText& name, const SjisText& score) {
    const auto index = static_cast<std::size_t>(rank - 1);
    labels_.names.at(index)->SetCaption(name);
    labels_.scores.at(index)->SetCaption(score);
}

}  // namespace zunpeko
