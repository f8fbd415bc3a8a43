// SPDX-License-Identifier: GPL-3.0-or-later
// A game run on a store file that was cut short or filled with garbage: it
// loads and saves without a crash, ends up with a whole file holding the new
// table, and loses nothing the file held.
#include <gtest/gtest.h>

#include <QFile>
#include <random>
#include <string>

#include "GameOnFile.h"
#include "RegDocument.h"
#include "TestFiles.h"

namespace zunpeko {
namespace {

using store_testing::GameOnFile;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr std::string_view kTableKey = "HKEY_CURRENT_USER\\Zunpeko";
// Lines the store does not use; wherever a cut keeps one whole, the file must
// still hold it after the game.
constexpr std::string_view kForeignLines[] = {
    "; written by hand",
    "[HKEY_CURRENT_USER\\Software\\Other]",
    "\"Kept\"=hex:01,02,03",
};
constexpr std::int32_t kNewScore = 1000;  // beats every default
constexpr std::string_view kNewName = "newcomer";

std::string SampleFile() {
    return "REGEDIT4\r\n\r\n" + std::string(kForeignLines[0]) + "\r\n" +
           std::string(kForeignLines[1]) + "\r\n" + std::string(kForeignLines[2]) +
           "\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\"=dword:0000012c\r\n"
           "\"HSC2\"=dword:000000c8\r\n\"HSC3\"=dword:00000064\r\n\"SName1\"=\"pikuro\"\r\n"
           "\"SName2\"=\"vedizud\"\r\n\"SName3\"=\"zurizu\"\r\n";
}

// Plays a game on a file holding bytes and checks the outcome.
void PlayOn(const std::string& bytes, const std::string& context) {
    SCOPED_TRACE(context);
    const testing::ScratchFolder folder;
    const QString path = folder.Store();
    ASSERT_TRUE(WriteBytes(path, bytes));
    EXPECT_EQ(GameOnFile(path, SjisText(kNewName)).Play(kNewScore), "");  // nothing failed

    const std::string after = ReadBytes(path);
    const auto document = RegDocument::Parse(after);
    ASSERT_TRUE(document) << after;
    EXPECT_EQ(document->FindValue(kTableKey, "HSC1"), DwordValue(kNewScore));
    EXPECT_EQ(document->FindValue(kTableKey, "SName1"), StringValue(kNewName));

    if (!RegDocument::Parse(bytes)) {
        // Not an export file: kept aside whole before the defaults replaced
        // it, unless it held nothing to keep.
        EXPECT_EQ(ReadBytes(path + QStringLiteral(".bak")), bytes.empty() ? "(missing)" : bytes);
        return;
    }
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".bak")));
    for (const std::string_view line : kForeignLines) {
        if (bytes.find(std::string(line) + "\r\n") != std::string::npos) {
            EXPECT_NE(after.find(line), std::string::npos) << "lost: " << line;
        }
    }
}

TEST(StoreBadFile, EveryCutOfTheFileLoadsSavesTheNewTableAndKeepsTheRest) {
    const std::string sample = SampleFile();
    for (std::size_t length = 0; length <= sample.size(); ++length) {
        PlayOn(sample.substr(0, length), "cut at " + std::to_string(length));
    }
}

TEST(StoreBadFile, GarbageWithOrWithoutTheHeaderIsReplacedWithoutBeingLost) {
    std::mt19937 random(932);
    for (int round = 0; round < 20; ++round) {
        std::string garbage(random() % 600, '\0');
        for (char& c : garbage) {
            c = static_cast<char>(random());
        }
        PlayOn(garbage, "garbage " + std::to_string(round));
        PlayOn("REGEDIT4\r\n" + garbage, "header and garbage " + std::to_string(round));
    }
}

}  // namespace
}  // namespace zunpeko
