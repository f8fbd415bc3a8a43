// SPDX-License-Identifier: GPL-3.0-or-later
#include "HiScoreTable.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "HiScoreTexts.h"
#include "PlatformError.h"

namespace zunpeko {
namespace {

constexpr std::string_view kKeyName = "Zunpeko";
constexpr std::array<std::string_view, HiScoreTable::kRanks> kScoreValues = {"HSC1", "HSC2",
                                                                             "HSC3"};
constexpr std::array<std::string_view, HiScoreTable::kRanks> kNameValues = {"SName1", "SName2",
                                                                            "SName3"};
// The registry hands a score over in a four-byte buffer; longer data does not fit.
constexpr std::size_t kScoreBytes = 4;

SjisText CutName(std::string_view name) {
    return SjisText(name.substr(0, HiScoreTable::kNameLimit));
}

// A REG_SZ's text ends at its first zero byte.
SjisText NameFromData(const std::string& data) {
    return CutName(data.substr(0, data.find('\0')));
}

}  // namespace

HiScoreTable::HiScoreTable(Registry& registry, NamePrompt& prompt, HiScoreDisplay& display)
    : registry_(registry), prompt_(prompt), display_(display) {}

HiScoreTable::~HiScoreTable() {
    if (key_) {
        registry_.CloseKey(*key_);
    }
}

void HiScoreTable::LoadHiScores() {
    if (key_) {
        registry_.CloseKey(*key_);
    }
    key_ = registry_.OpenKey(kKeyName, RegAccess::kFull);
    if (!key_) {
        key_ = registry_.OpenKey(kKeyName, RegAccess::kRead);
    }
    if (key_) {
        LoadFromOpenKey();
    } else {
        LoadOnFirstRun();
    }
    Show("");
}

void HiScoreTable::LoadFromOpenKey() {
    // Names before scores; what is missing is filled in here only, not written.
    static constexpr Defaults kDefaults{{"zurizu", "vedizud", "pikuro"}, {300, 200, 100}};
    bool allStored = true;
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        const auto name = ReadName(rank);
        allStored = allStored && name;
        entries_[rank].name = name.value_or(SjisText(kDefaults.names[rank]));
    }
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        const auto score = ReadScore(rank);
        allStored = allStored && score;
        entries_[rank].score = score.value_or(kDefaults.scores[rank]);
    }
    Synced(allStored ? std::optional(entries_) : std::nullopt);
}

void HiScoreTable::LoadOnFirstRun() {
    // Scores before names, the defaults the other way round, each written at once.
    static constexpr Defaults kDefaults{{"pikuro", "vedizud", "zurizu"}, {300, 200, 100}};
    key_ = registry_.CreateKey(kKeyName);
    if (!key_) {
        throw PlatformError(hiscore_texts::CreateKeyFailed(kKeyName));
    }
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        if (auto score = ReadScore(rank)) {
            entries_[rank].score = *score;
        } else {
            entries_[rank].score = kDefaults.scores[rank];
            WriteScore(rank);
        }
    }
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        if (auto name = ReadName(rank)) {
            entries_[rank].name = *name;
        } else {
            entries_[rank].name = SjisText(kDefaults.names[rank]);
            WriteName(rank);
        }
    }
    Synced(entries_);
}

std::optional<SjisText> HiScoreTable::ReadName(std::size_t rank) const {
    const auto value = registry_.QueryValue(*key_, kNameValues[rank]);
    if (!value || value->type != kRegSz) {
        return std::nullopt;  // a value of another type counts as missing
    }
    return NameFromData(value->data);
}

std::optional<std::int32_t> HiScoreTable::ReadScore(std::size_t rank) {
    const auto value = registry_.QueryValue(*key_, kScoreValues[rank]);
    if (!value || value->type != kRegDword) {
        return std::nullopt;
    }
    if (value->data.size() > kScoreBytes) {
        unreadValuesStored_ = true;
        throw PlatformError(hiscore_texts::GetValueFailed(kScoreValues[rank]));
    }
    return static_cast<std::int32_t>(NumberFromLittleEndian(value->data));
}

void HiScoreTable::WriteScore(std::size_t rank) const {
    const auto number = static_cast<std::uint32_t>(entries_[rank].score);
    if (!key_ || !registry_.SetValue(*key_, kScoreValues[rank], DwordValue(number))) {
        throw PlatformError(hiscore_texts::SetValueFailed(kScoreValues[rank]));
    }
}

void HiScoreTable::WriteName(std::size_t rank) const {
    if (!key_ || !registry_.SetValue(*key_, kNameValues[rank], StringValue(entries_[rank].name))) {
        throw PlatformError(hiscore_texts::SetValueFailed(kNameValues[rank]));
    }
}

void HiScoreTable::RecordGame(std::int32_t score) {
    // Another copy may have saved better games since: the score must beat
    // the table that will be kept, or its player types a name for nothing.
    if (key_ && registry_.Refresh(*key_) == Registry::Update::kChangedMeanwhile) {
        TakeInGamesSavedElsewhere();
    }
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        if (entries_[rank].score < score) {  // an equal score keeps its place
            InsertAt(rank, score);
            break;
        }
    }
    Show(" ");
    Save();
}

void HiScoreTable::InsertAt(std::size_t rank, std::int32_t score) {
    for (std::size_t below = kRanks - 1; below > rank; --below) {
        entries_[below] = entries_[below - 1];  // the old last entry drops out
    }
    entries_[rank].score = score;
    const SjisText answer = prompt_.Ask(hiscore_texts::PromptTitle(), hiscore_texts::PromptLine(),
                                        hiscore_texts::Anonymous());
    entries_[rank].name = CutName(answer);
}

void HiScoreTable::Show(std::string_view namePrefix) const {
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        display_.ShowEntry(static_cast<int>(rank + 1), SjisText(namePrefix) + entries_[rank].name,
                           std::to_string(entries_[rank].score));
    }
}

void HiScoreTable::Save() {
    if (!key_) {
        throw PlatformError(hiscore_texts::SetValueFailed(kScoreValues[0]));
    }
    const Registry::Update update = registry_.BeginUpdate(*key_);
    if (update == Registry::Update::kRefused) {
        throw PlatformError(hiscore_texts::SetValueFailed(kScoreValues[0]));
    }
    struct EndUpdate {
        Registry& registry;
        RegKey key;
        ~EndUpdate() { registry.EndUpdate(key); }
    } const endUpdate{registry_, *key_};

    if (std::exchange(unreadValuesStored_, false) && !registry_.KeepCopyAside(*key_)) {
        unreadValuesStored_ = true;
        throw PlatformError(hiscore_texts::SetValueFailed(kScoreValues[0]));
    }
    if (update == Registry::Update::kChangedMeanwhile) {
        TakeInGamesSavedElsewhere();
    }
    WriteAll();
    Synced(entries_);
}

void HiScoreTable::WriteAll() const {
    // The six values go to the store together, scores first, so that a crash
    // during the save leaves the old table or the new one, never a mix.
    Registry::NamedValues values;
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        values.emplace_back(kScoreValues[rank],
                            DwordValue(static_cast<std::uint32_t>(entries_[rank].score)));
    }
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        values.emplace_back(kNameValues[rank], StringValue(entries_[rank].name));
    }
    const std::size_t stored = registry_.SetValues(*key_, values);
    if (stored < values.size()) {
        throw PlatformError(hiscore_texts::SetValueFailed(values[stored].first));
    }
}

// The table the store holds, when all six values are there and readable.
std::optional<HiScoreTable::Ranking> HiScoreTable::StoredEntries() const {
    Ranking stored;
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        const auto name = registry_.QueryValue(*key_, kNameValues[rank]);
        const auto score = registry_.QueryValue(*key_, kScoreValues[rank]);
        if (!name || name->type != kRegSz || !score || score->type != kRegDword ||
            score->data.size() > kScoreBytes) {
            return std::nullopt;
        }
        stored[rank] = {NameFromData(name->data),
                        static_cast<std::int32_t>(NumberFromLittleEndian(score->data))};
    }
    return stored;
}

// Another copy of the game saved while this one ran: the stored entries and
// this copy's own new ones (those it did not have at the last agreement)
// compete for the three places, the stored ones first among equals.
void HiScoreTable::TakeInGamesSavedElsewhere() {
    const auto stored = StoredEntries();
    if (!stored || stored == storedAtSync_) {
        return;
    }
    std::vector<HiScoreEntry> candidates(stored->begin(), stored->end());
    std::vector<HiScoreEntry> known(tableAtSync_.begin(), tableAtSync_.end());
    for (const HiScoreEntry& entry : entries_) {
        const auto same = std::find(known.begin(), known.end(), entry);
        if (same != known.end()) {
            known.erase(same);
        } else {
            candidates.push_back(entry);
        }
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const HiScoreEntry& a, const HiScoreEntry& b) { return a.score > b.score; });
    std::copy_n(candidates.begin(), kRanks, entries_.begin());
    // Agreed with the store as it is now: of this copy's own entries, those
    // still in the table are all that is new to it.
    storedAtSync_ = stored;
    tableAtSync_ = *stored;
    Show(" ");
}

void HiScoreTable::Synced(std::optional<Ranking> stored) {
    storedAtSync_ = std::move(stored);
    tableAtSync_ = entries_;
}

}  // namespace zunpeko
