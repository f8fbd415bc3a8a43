#pragma once

#include <array>

#include "DialogNamePrompt.h"
#include "FileRegistry.h"
#include "FormHiScores.h"
#include "HiScoreDisplay.h"
#include "HiScoreTable.h"

namespace zunpeko {

class TCustomLabel;

// The hi-score panel's labels: the names of ranks 1 to 3, then their scores.
struct HiScoreLabels {
    std::array<TCustomLabel*, 3> names;
    std::array<TCustomLabel*, 3> scores;
};

// The hi-score table in the per-user store, with its name prompt modal to
// the window and its display on the hi-score panel.
class TableHiScores final : public FormHiScores, private HiScoreDisplay {
  public:
    TableHiScores(QWidget& window, const HiScoreLabels& labels);

    void Load() override;
    void Record(std::int32_t score) override;
    void CancelPromptForClosing() override { prompt_.CancelForClosing(); }

  private:
    void ShowEntry(int rank, const SjisText& name, const SjisText& score) override;
    template <typename StoreWork>
    void ThenTellOfKeptCopy(StoreWork work);
    void TellOfKeptCopy();

    QWidget& window_;
    HiScoreLabels labels_;
    FileRegistry registry_{FileRegistry::DefaultFilePath()};
    DialogNamePrompt prompt_;
    // Last: it closes its key in the registry when it goes.
    HiScoreTable table_{registry_, prompt_, *this};
};

}  // namespace zunpeko
