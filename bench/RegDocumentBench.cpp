// SPDX-License-Identifier: GPL-3.0-or-later
// The store file is parsed once at start-up and rewritten six times at the end
// of a game, each time in one pass over the text. These show what a pass costs
// for the game's own small file, and that the cost grows linearly with the
// size of a large or hostile file (up to the 4 MiB the store accepts).
#include <benchmark/benchmark.h>

#include <string>

#include "RegDocument.h"

namespace zunpeko {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Zunpeko";

constexpr std::string_view kGameFile =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\"=dword:0000012c\r\n"
    "\"HSC2\"=dword:000000c8\r\n\"HSC3\"=dword:00000064\r\n\"SName1\"=\"pikuro\"\r\n"
    "\"SName2\"=\"vedizud\"\r\n\"SName3\"=\"zurizu\"\r\n";

// A file of `bytes` bytes: lines repeated, with the game's key at the very end.
std::string LargeFile(std::size_t bytes, std::string_view line) {
    std::string text = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Other]\r\n";
    while (text.size() + line.size() < bytes - kGameFile.size()) {
        text += line;
    }
    return text + std::string(kGameFile.substr(10));
}

void LoadAndSaveTheGamesFile(benchmark::State& state) {
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        auto document = RegDocument::Parse(kGameFile);
        for (const char* name : {"SName1", "SName2", "SName3", "HSC1", "HSC2", "HSC3"}) {
            benchmark::DoNotOptimize(document->FindValue(kKey, name));
        }
        for (const char* name : {"HSC1", "HSC2", "HSC3"}) {
            document->SetValue(kKey, name, DwordValue(250));
        }
        for (const char* name : {"SName1", "SName2", "SName3"}) {
            document->SetValue(kKey, name, StringValue("\x8c\xa0\x95\xba\x89\x71"));
        }
        benchmark::DoNotOptimize(document->Text().data());
    }
}
BENCHMARK(LoadAndSaveTheGamesFile);

void SetValueInALargeFile(benchmark::State& state, std::string_view line) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    auto document = RegDocument::Parse(LargeFile(bytes, line));
    std::uint32_t score = 0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        document->SetValue(kKey, "HSC1", DwordValue(++score));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(SetValueInALargeFile, ordinary_values, "\"Value\"=\"some text\"\r\n")
    ->RangeMultiplier(4)
    ->Range(64 << 10, 4 << 20)
    ->Complexity(benchmark::oN);
// Every line opens a hex value that asks to go on; read naively this is quadratic.
BENCHMARK_CAPTURE(SetValueInALargeFile, open_continuations, "\"a\"=hex:01,\\\r\n")
    ->RangeMultiplier(4)
    ->Range(64 << 10, 4 << 20)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace zunpeko
