// SPDX-License-Identifier: GPL-3.0-or-later
// zunpeko-store-player FILE SCORE NAME GO
//
// One copy of the game as far as the hi-score table goes: loads the table
// from the store file FILE, prints "loaded", waits until the file GO exists,
// then records a game of SCORE for a player who types NAME, and saves. Two of
// them started together save at the same moment.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <QFileInfo>

#include "FileRegistry.h"
#include "HiScoreTable.h"
#include "PlatformError.h"

namespace {

class Player final : public zunpeko::NamePrompt, public zunpeko::HiScoreDisplay {
  public:
    explicit Player(zunpeko::SjisText name) : name_(std::move(name)) {}
    zunpeko::SjisText Ask(const zunpeko::SjisText&, const zunpeko::SjisText&,
                          const zunpeko::SjisText&) override {
        return name_;
    }
    void ShowEntry(int, const zunpeko::SjisText&, const zunpeko::SjisText&) override {}

  private:
    zunpeko::SjisText name_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: zunpeko-store-player FILE SCORE NAME GO\n", stderr);
        return 2;
    }
    zunpeko::FileRegistry store(QString::fromLocal8Bit(argv[1]));
    Player player(argv[3]);
    zunpeko::HiScoreTable table(store, player, player);
    try {
        table.LoadHiScores();
        std::puts("loaded");
        std::fflush(stdout);
        const QString go = QString::fromLocal8Bit(argv[4]);
        while (!QFileInfo::exists(go)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        table.RecordGame(static_cast<std::int32_t>(std::strtol(argv[2], nullptr, 10)));
    } catch (const zunpeko::PlatformError& error) {
        std::fprintf(stderr, "zunpeko-store-player: %s\n", error.Text().c_str());
        return 1;
    }
    return 0;
}
