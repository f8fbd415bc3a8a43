// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "Game.h"

namespace zunpeko::sim {

// One JSON object on one line, its keys in the order they are added.
class JsonLine {
  public:
    JsonLine& Add(std::string_view key, std::int64_t number);
    JsonLine& Add(std::string_view key, bool flag);
    JsonLine& Add(std::string_view key, std::string_view utf8);
    JsonLine& Add(std::string_view key, const char* utf8) {
        return Add(key, std::string_view(utf8));
    }
    template <typename Range, typename Pick>
    JsonLine& AddArray(std::string_view key, const Range& items, Pick pick);

    // The object with its closing brace, without a line break.
    std::string Text() const { return text_ + "}"; }

  private:
    void Key(std::string_view key);

    std::string text_ = "{";
};

// The simulator's three kinds of line; each ends with a line break.
void WriteResetLine(std::ostream& out, int gameNumber, const Game& game, std::int32_t period);
void WriteTickLine(std::ostream& out, int gameNumber, std::int32_t tick, const Game& game,
                   std::int32_t period, std::string_view labelUtf8, bool stopped);
void WritePressLine(std::ostream& out, int gameNumber, std::int32_t afterTick, int x, int y,
                    int hole, const Game& game);

template <typename Range, typename Pick>
JsonLine& JsonLine::AddArray(std::string_view key, const Range& items, Pick pick) {
    Key(key);
    text_ += '[';
    bool first = true;
    for (const auto& item : items) {
        if (!first) {
            text_ += ',';
        }
        first = false;
        text_ += std::to_string(pick(item));
    }
    text_ += ']';
    return *this;
}

}  // namespace zunpeko::sim
