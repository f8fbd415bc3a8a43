#include "HiScoreTable.h"

#include <string>

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

std::int32_t ScoreFromData(std::string_view data) {
    std::uint32_t number = 0;
    for (std::size_t i = data.size(); i-- > 0;) {
        number = (number << 8U) | static_cast<unsigned char>(data[i]);
    }
    return static_cast<std::int32_t>(number);
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
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        entries_[rank].name = ReadName(rank).value_or(SjisText(kDefaults.names[rank]));
    }
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        entries_[rank].score = ReadScore(rank).value_or(kDefaults.scores[rank]);
    }
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
}

std::optional<SjisText> HiScoreTable::ReadName(std::size_t rank) const {
    const auto value = registry_.QueryValue(*key_, kNameValues[rank]);
    if (!value || value->type != kRegSz) {
        return std::nullopt;  // a value of another type counts as missing
    }
    return NameFromData(value->data);
}

std::optional<std::int32_t> HiScoreTable::ReadScore(std::size_t rank) const {
    const auto value = registry_.QueryValue(*key_, kScoreValues[rank]);
    if (!value || value->type != kRegDword) {
        return std::nullopt;
    }
    if (value->data.size() > kScoreBytes) {
        throw PlatformError(hiscore_texts::GetValueFailed(kScoreValues[rank]));
    }
    return ScoreFromData(value->data);
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
    const SjisText answer =
        prompt_.Ask(SjisText(hiscore_texts::kPromptTitle), SjisText(hiscore_texts::kPromptLine),
                    SjisText(hiscore_texts::kAnonymous));
    entries_[rank].name = CutName(answer);
}

void HiScoreTable::Show(std::string_view namePrefix) const {
    for (std::size_t rank = 0; rank < kRanks; ++rank) {
        display_.ShowEntry(static_cast<int>(rank + 1), SjisText(namePrefix) + entries_[rank].name,
                           std::to_string(entries_[rank].score));
    }
}

void HiScoreTable::Save() const {
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
    const std::size_t stored = key_ ? registry_.SetValues(*key_, values) : 0;
    if (stored < values.size()) {
        throw PlatformError(hiscore_texts::SetValueFailed(values[stored].first));
    }
}

}  // namespace zunpeko
