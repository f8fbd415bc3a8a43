// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "HiScoreDisplay.h"
#include "NamePrompt.h"
#include "Registry.h"
#include "SjisText.h"

namespace zunpeko {

struct HiScoreEntry {
    SjisText name;
    std::int32_t score = 0;

    bool operator==(const HiScoreEntry&) const = default;
};

// The three best scores with their holders' names, kept in the registry key
// "Zunpeko" under the current user's root.
//
// Registry failures are raised as PlatformError with the message the player
// reads; whatever was done before the failure stays done. The key opened at
// load stays open until the table is destroyed, so the registry must outlive it.
class HiScoreTable {
  public:
    static constexpr std::size_t kRanks = 3;
    static constexpr std::size_t kNameLimit = 20;  // bytes

    HiScoreTable(Registry& registry, NamePrompt& prompt, HiScoreDisplay& display);
    ~HiScoreTable();
    HiScoreTable(const HiScoreTable&) = delete;
    HiScoreTable& operator=(const HiScoreTable&) = delete;

    // Opens the key and reads the table, or on the first run creates the key
    // and writes the defaults; then shows the table. On a failure the table
    // keeps what was read so far (the rest empty with score 0) and nothing is
    // shown.
    void LoadHiScores();

    // Enters the score if it beats one of the three (asking for the holder's
    // name), shows the table and writes all six values back. Where another
    // copy of the game has saved its own games meanwhile, the best three of
    // both tables are written (a tie keeps the stored entry first), and shown;
    // the score is checked against that table, so that the holder is asked
    // for a name only when the entry will be kept.
    void RecordGame(std::int32_t score);

    // Rank 1 first.
    const std::array<HiScoreEntry, kRanks>& Entries() const { return entries_; }

  private:
    using Ranking = std::array<HiScoreEntry, kRanks>;
    struct Defaults {
        std::array<std::string_view, kRanks> names;
        std::array<std::int32_t, kRanks> scores;
    };

    void LoadFromOpenKey();
    void LoadOnFirstRun();
    std::optional<SjisText> ReadName(std::size_t rank) const;
    // Notes a stored score too long to read before it raises the error.
    std::optional<std::int32_t> ReadScore(std::size_t rank);
    void WriteName(std::size_t rank) const;
    void WriteScore(std::size_t rank) const;
    void InsertAt(std::size_t rank, std::int32_t score);
    void Show(std::string_view namePrefix) const;
    void Save();
    void WriteAll() const;
    std::optional<Ranking> StoredEntries() const;
    void TakeInGamesSavedElsewhere();
    void Synced(std::optional<Ranking> stored);

    Registry& registry_;
    NamePrompt& prompt_;
    HiScoreDisplay& display_;
    std::optional<RegKey> key_;
    Ranking entries_{};
    // The table as the store held it and as this program held it when they
    // last agreed (at load, and after each save), to tell another copy's
    // games from this one's.
    std::optional<Ranking> storedAtSync_;
    Ranking tableAtSync_{};
    // Loading stopped at a value it could not read, so the first save would
    // write over values the player never saw: the store keeps a copy first.
    bool unreadValuesStored_ = false;
};

}  // namespace zunpeko
