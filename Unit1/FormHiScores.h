#pragma once

#include <cstdint>

namespace zunpeko {

// The hi-score table as the window uses it. Load and Record throw
// PlatformError with the message for the player when the store fails.
class FormHiScores {
  public:
    virtual ~FormHiScores() = default;

    // Reads the table (or writes the defaults on the first run) and shows it.
    virtual void Load() = 0;
    // Enters a finished game's score, asking for a name when it ranks, then
    // shows and saves the table.
    virtual void Record(std::int32_t score) = 0;
    // The program is ending: a name prompt open now, or opened later, closes
    // at once as cancelled.
    virtual void CancelPromptForClosing() = 0;
};

}  // namespace zunpeko
