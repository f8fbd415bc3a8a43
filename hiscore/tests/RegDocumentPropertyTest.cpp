// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <random>

#include "RegDocument.h"

namespace zunpeko {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Zunpeko";
constexpr std::array<std::string_view, 4> kNames = {"HSC1", "SName1", "Blob", ""};

std::string EveryByteButZero() {
    std::string bytes(255, '\0');
    std::iota(bytes.begin(), bytes.end(), '\x01');
    return bytes;
}

// What must hold for any document, however odd: a value set is found again,
// also once the text is read back, and no other value changes.
void CheckSettingEachValue(const RegDocument& original, const std::string& context) {
    const std::array<RegValue, 3> values = {DwordValue(0x12345678), StringValue(EveryByteButZero()),
                                            RegValue{kRegDword, "\1\2\3\4\5"}};
    for (const std::string_view name : kNames) {
        for (const RegValue& value : values) {
            RegDocument document = original;
            document.SetValue(kKey, name, value);
            const auto reread = RegDocument::Parse(document.Text());
            ASSERT_TRUE(reread) << context;
            ASSERT_EQ(reread->FindValue(kKey, name), value) << context;
            for (const std::string_view other : kNames) {
                ASSERT_TRUE(other == name ||
                            reread->FindValue(kKey, other) == original.FindValue(kKey, other))
                    << context << ": setting " << name << " changed " << other;
            }
        }
    }
}

TEST(RegDocumentProperty, EveryCutOfAFileReadsAndTakesNewValues) {
    constexpr std::string_view kSample =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\"=dword:0000012c\r\n"
        "\"Blob\"=hex(4):01,02,\\\r\n  03,04,05\r\n\"SName1\"=\"pi\\\"ku\\\\ro\"\r\n"
        "@=\"\x8c\xa0\"\r\n\r\n[-HKEY_CURRENT_USER\\Zunpeko\\Old]\r\n";
    for (std::size_t length = 0; length <= kSample.size(); ++length) {
        const auto document = RegDocument::Parse(kSample.substr(0, length));
        ASSERT_EQ(document.has_value(), length >= 8) << length;
        if (document) {
            CheckSettingEachValue(*document, "cut at " + std::to_string(length));
        }
    }
}

TEST(RegDocumentProperty, RandomTextNeverBreaksTheRules) {
    // Pieces of the syntax itself, so that the odd corners (half a
    // continuation, a header inside data, stray quotes) come up often.
    static constexpr std::array<std::string_view, 16> kPieces = {"\r\n",
                                                                 "\n",
                                                                 "\r",
                                                                 "\\",
                                                                 "\"",
                                                                 ",",
                                                                 "=",
                                                                 "@",
                                                                 "[",
                                                                 "]",
                                                                 "hex(1):",
                                                                 "dword:0000012c",
                                                                 "\"HSC1\"=",
                                                                 "\"Blob\"=hex:ff,\\\n",
                                                                 "[HKEY_CURRENT_USER\\Zunpeko]\n",
                                                                 "[-HKEY_CURRENT_USER\\Zunpeko]\n"};
    std::mt19937 random(20240601);
    int parsed = 0;
    for (int round = 0; round < 1500; ++round) {
        std::string text = random() % 8 == 0 ? "" : "REGEDIT4\r\n";
        for (std::size_t piece = random() % 40; piece > 0; --piece) {
            text += random() % 4 == 0 ? std::string(1, static_cast<char>(random()))
                                      : std::string(kPieces[random() % kPieces.size()]);
        }
        if (const auto document = RegDocument::Parse(text)) {
            ++parsed;
            ASSERT_EQ(document->Text(), text);
            CheckSettingEachValue(*document, "round " + std::to_string(round));
        }
    }
    EXPECT_GT(parsed, 1000);  // the loop really went through parsed documents
}

}  // namespace
}  // namespace zunpeko
