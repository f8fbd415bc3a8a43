// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonLines.h"

#include <array>
#include <ostream>

namespace zunpeko::sim {

namespace {

std::string Quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4U];
            out += kHex[byte & 0xFU];
        } else {
            out += c;  // UTF-8 passes through as it is
        }
    }
    out += '"';
    return out;
}

// The holes 1 to 12 in order, for the per-hole arrays.
std::array<Hole, MoleField::kHoleCount> Holes(const MoleField& field) {
    std::array<Hole, MoleField::kHoleCount> holes{};
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        holes.at(static_cast<std::size_t>(number - 1)) = field.At(number);
    }
    return holes;
}

}  // namespace

void JsonLine::Key(std::string_view key) {
    if (text_.size() > 1) {
        text_ += ',';
    }
    text_ += Quoted(key);
    text_ += ':';
}

JsonLine& JsonLine::Add(std::string_view key, std::int64_t number) {
    Key(key);
    text_ += std::to_string(number);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, bool flag) {
    Key(key);
    text_ += flag ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, std::string_view utf8) {
    Key(key);
    text_ += Quoted(utf8);
    return *this;
}

void WriteResetLine(std::ostream& out, int gameNumber, const Game& game, std::int32_t period) {
    JsonLine line;
    line.Add("event", "reset")
        .Add("game", std::int64_t{gameNumber})
        .Add("time_left", std::int64_t{game.State().TimeLeftMs})
        .Add("white_at", std::int64_t{game.State().WhiteAt})
        .Add("period", std::int64_t{period});
    out << line.Text() << '\n';
}

void WriteTickLine(std::ostream& out, int gameNumber, std::int32_t tick, const Game& game,
                   std::int32_t period, std::string_view labelUtf8, bool stopped) {
    const GameState& s = game.State();
    const auto holes = Holes(game.Field());
    JsonLine line;
    line.Add("event", "tick")
        .Add("game", std::int64_t{gameNumber})
        .Add("tick", std::int64_t{tick})
        .Add("time_left", std::int64_t{s.TimeLeftMs})
        .Add("score", std::int64_t{s.Score})
        .Add("white_at", std::int64_t{s.WhiteAt})
        .Add("white_active", s.WhiteActive)
        .Add("period", std::int64_t{period})
        .Add("label", labelUtf8)
        .AddArray("kinds", holes, [](const Hole& h) { return static_cast<std::int32_t>(h.kind); })
        .AddArray("steps", holes, [](const Hole& h) { return h.step; })
        .AddArray("frames", holes, [](const Hole& h) { return h.frame; })
        .Add("stopped", stopped);
    out << line.Text() << '\n';
}

void WritePressLine(std::ostream& out, int gameNumber, std::int32_t afterTick, int x, int y,
                    int hole, const Game& game) {
    JsonLine line;
    line.Add("event", "press")
        .Add("game", std::int64_t{gameNumber})
        .Add("after_tick", std::int64_t{afterTick})
        .Add("x", std::int64_t{x})
        .Add("y", std::int64_t{y})
        .Add("hole", std::int64_t{hole})
        .Add("score", std::int64_t{game.State().Score})
        .Add("time_left", std::int64_t{game.State().TimeLeftMs});
    out << line.Text() << '\n';
}

}  // namespace zunpeko::sim
