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

#include "GameOnFile.h"

namespace {

// Ends the program with the store's message, if it gave one.
void EndOnMessage(const std::string& message) {
    if (!message.empty()) {
        std::fprintf(stderr, "zunpeko-store-player: %s", message.c_str());
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: zunpeko-store-player FILE SCORE NAME GO\n", stderr);
        return 2;
    }
    zunpeko::store_testing::GameOnFile game(QString::fromLocal8Bit(argv[1]),
                                            zunpeko::SjisText(argv[3]));
    EndOnMessage(game.Play(std::nullopt));
    std::puts("loaded");
    std::fflush(stdout);
    const QString go = QString::fromLocal8Bit(argv[4]);
    while (!QFileInfo::exists(go)) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    EndOnMessage(game.Record(static_cast<std::int32_t>(std::strtol(argv[2], nullptr, 10))));
    return 0;
}
