// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "RegDocument.h"
#include "RegSyntax.h"

namespace zunpeko {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Zunpeko";

// The value one line gives, read the way the store reads files.
std::optional<RegValue> ReadLine(const std::string& line) {
    auto document = RegDocument::Parse("REGEDIT4\r\n[K]\r\n" + line + "\r\n");
    return document ? document->FindValue("K", "v") : std::nullopt;
}

std::string FormatOne(std::string_view name, const RegValue& value) {
    const auto lines = regsyntax::FormatValueLines(name, value, regsyntax::StringBytes::kCp932);
    return lines.size() == 1 ? lines.front() : "(several lines)";
}

TEST(RegSyntax, ReadsEveryDataFormAndLeavesMalformedLinesUnread) {
    EXPECT_EQ(ReadLine("\"v\"=dword:FFFFFFFF"), DwordValue(0xFFFFFFFFU));
    EXPECT_EQ(ReadLine("\"v\" = \"a\\\\b\\\"c\""), StringValue("a\\b\"c"));
    EXPECT_EQ(ReadLine("\"v\"=hex:de,AD , be"), (RegValue{kRegBinary, "\xde\xad\xbe"}));
    EXPECT_EQ(ReadLine("\"v\"=hex(4):01,02,\\\r\n  03,04,05"), (RegValue{kRegDword, "\1\2\3\4\5"}));
    EXPECT_EQ(ReadLine("\"v\"=hex(7fffffff):"), (RegValue{0x7FFFFFFFU, ""}));
    // "表" (0x95 0x5C) as the registry editor writes it, with its second byte
    // as it is, and as this program once wrote it, with that byte escaped.
    EXPECT_EQ(ReadLine("\"v\"=\"\x95\x5c\""), StringValue("\x95\x5c"));
    EXPECT_EQ(ReadLine("\"v\"=\"\x95\x5c\x5c\""), StringValue("\x95\x5c"));
    for (const char* line : {"\"v\"=dword:123456789", "\"v\"=dword:", "\"v\"=\"a\\nb\"",
                             "\"v\"=\"open", "\"v\"=\"a\" trailing", "\"v\"=hex(4:01",
                             "\"v\"=hex:01,,02", "\"v\"=hex:123", "\"v\"=-", " \"v\"=dword:1"}) {
        EXPECT_EQ(ReadLine(line), std::nullopt) << line;
    }
}

TEST(RegSyntax, WritesEachValueInAFormThatHoldsItExactly) {
    EXPECT_EQ(FormatOne("HSC3", DwordValue(0xFFFFFFFBU)), "\"HSC3\"=dword:fffffffb");
    EXPECT_EQ(FormatOne("", DwordValue(300)), "@=dword:0000012c");
    // "ソ" is 0x83 0x5C: only a backslash of its own is escaped, never a
    // character's second byte, as the registry editor writes it.
    EXPECT_EQ(FormatOne("S", StringValue("\"\x83\x5c\\")), "\"S\"=\"\\\"\x83\x5c\\\\\"");
    // A lead byte with no trail byte would take the closing quote with it.
    EXPECT_EQ(FormatOne("S", StringValue("a\x83")), "\"S\"=hex(1):61,83,00");
    EXPECT_EQ(FormatOne("S", StringValue("a\tb\x7f")), "\"S\"=hex(1):61,09,62,7f,00");
    EXPECT_EQ(FormatOne("S", RegValue{kRegSz, "ab"}), "\"S\"=hex(1):61,62");  // unterminated
    EXPECT_EQ(FormatOne("S", RegValue{kRegDword, "\1\2\3\4\5"}), "\"S\"=hex(4):01,02,03,04,05");
}

TEST(RegDocument, WritesEveryValueTypeInHexTheWayTheRegistryEditorSpellsItAndReadsItBack) {
    // Five bytes with control bytes among them fit neither a quoted string nor
    // dword:, so every type is written in hex form.
    struct Spelling {
        std::uint32_t type;
        std::string_view line;
    };
    constexpr Spelling kSpellings[] = {
        {0, "\"v\"=hex(0):01,02,03,04,05"},       {1, "\"v\"=hex(1):01,02,03,04,05"},
        {2, "\"v\"=hex(2):01,02,03,04,05"},       {3, "\"v\"=hex:01,02,03,04,05"},
        {4, "\"v\"=hex(4):01,02,03,04,05"},       {5, "\"v\"=hex(5):01,02,03,04,05"},
        {6, "\"v\"=hex(6):01,02,03,04,05"},       {7, "\"v\"=hex(7):01,02,03,04,05"},
        {8, "\"v\"=hex(8):01,02,03,04,05"},       {9, "\"v\"=hex(9):01,02,03,04,05"},
        {10, "\"v\"=hex(a):01,02,03,04,05"},      {11, "\"v\"=hex(b):01,02,03,04,05"},
        {0x100, "\"v\"=hex(100):01,02,03,04,05"},
    };
    for (const Spelling& spelling : kSpellings) {
        const RegValue value{spelling.type, "\1\2\3\4\5"};
        RegDocument document;
        document.SetValue(kKey, "v", value);
        EXPECT_EQ(document.Text(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n" +
                                       std::string(spelling.line) + "\r\n")
            << spelling.type;
        const auto reread = RegDocument::Parse(document.Text());
        ASSERT_TRUE(reread) << spelling.type;
        EXPECT_EQ(reread->FindValue(kKey, "v"), value) << spelling.type;
    }
}

TEST(RegDocument, ReadsOnlyExportFilesOfAModestSize) {
    for (std::string_view text : {"", "REGEDIT5\r\n", "\r\nREGEDIT4\r\n", "xREGEDIT4",
                                  "Windows Registry Editor Version 5.0\r\n"}) {
        EXPECT_FALSE(RegDocument::Parse(text)) << text;
    }
    EXPECT_TRUE(RegDocument::Parse("REGEDIT4 \t"));
    EXPECT_TRUE(RegDocument::Parse("Windows Registry Editor Version 5.00\r\n"));
    std::string huge = "REGEDIT4\r\n";
    huge.resize(RegDocument::kMaxTextBytes, '\n');
    EXPECT_TRUE(RegDocument::Parse(huge));
    EXPECT_FALSE(RegDocument::Parse(huge + "\n"));
}

TEST(RegDocument, FindsTheKeysOwnValuesWithTheLastWellFormedLineWinning) {
    const auto document = RegDocument::Parse(
        "REGEDIT4\n\"HSC2\"=dword:00000001\n"  // before any key
        "[hkey_current_user\\zunpeko]\n\"hsc1\"=dword:00000001\n\"HSC2\"=dword:00000002\n"
        "[HKEY_CURRENT_USER\\Other]\n\"HSC3\"=dword:00000003\n"
        "[HKEY_CURRENT_USER\\Zunpeko]\n\"HSC1\"=dword:00000004\n\"HSC1\"=dword:zz\n"
        "\"Blob\"=hex:01,\\\n"  // cannot go on into the header that follows
        "[-HKEY_CURRENT_USER\\Zunpeko]\n\"HSC2\"=dword:00000005\n"  // belongs to no key
        "[HKEY_CURRENT_USER\\Zunpeko\\Sub]\n");
    ASSERT_TRUE(document);
    EXPECT_EQ(document->FindValue(kKey, "HSC1"), DwordValue(4));
    EXPECT_EQ(document->FindValue(kKey, "hsc2"), DwordValue(2));
    EXPECT_EQ(document->FindValue(kKey, "HSC3"), std::nullopt);
    EXPECT_EQ(document->FindValue(kKey, "Blob"), std::nullopt);
    EXPECT_TRUE(document->HasKey(kKey));
    EXPECT_TRUE(document->HasKey("HKEY_CURRENT_USER\\Zunpeko\\sub"));
    EXPECT_FALSE(document->HasKey("HKEY_CURRENT_USER\\Zun"));
}

// A user's file with things the program has no business with around its key.
constexpr std::string_view kBusyFile =
    "REGEDIT4\r\n\r\n; by hand\r\n[HKEY_CURRENT_USER\\Other]\r\n\"HSC1\"=dword:00000007\r\n\r\n"
    "[HKEY_CURRENT_USER\\Zunpeko]\r\n\"SName1\"=\"abc\"\r\n\"Blob\"=hex:01,02,\\\r\n  03\r\n"
    "nonsense\r\n\"HSC1\"=dword:0000012c\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko\\Sub]\r\n";

TEST(RegDocument, SettingAValueRewritesItsOwnLinesOrAddsOneAtTheEndOfItsSection) {
    auto document = *RegDocument::Parse(kBusyFile);
    document.SetValue(kKey, "hsc1", DwordValue(250));
    document.SetValue(kKey, "Blob", DwordValue(9));
    document.SetValue(kKey, "SName2", StringValue("new"));
    EXPECT_EQ(
        document.Text(),
        "REGEDIT4\r\n\r\n; by hand\r\n[HKEY_CURRENT_USER\\Other]\r\n\"HSC1\"=dword:00000007\r\n"
        "\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"SName1\"=\"abc\"\r\n\"Blob\"=dword:00000009\r\n"
        "nonsense\r\n\"HSC1\"=dword:000000fa\r\n\"SName2\"=\"new\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Zunpeko\\Sub]\r\n");
}

TEST(RegDocument, AddsAMissingKeyAtTheEndWithTheFilesOwnLineBreaks) {
    auto lf =
        *RegDocument::Parse("REGEDIT4\n[HKEY_CURRENT_USER\\Zunpeko\\Sub]\n\"x\"=\"y\"\r\n\"z\"=1");
    lf.SetValue(kKey, "HSC1", DwordValue(1));
    EXPECT_EQ(lf.Text(),
              "REGEDIT4\n[HKEY_CURRENT_USER\\Zunpeko\\Sub]\n\"x\"=\"y\"\r\n\"z\"=1\n\n"
              "[HKEY_CURRENT_USER\\Zunpeko]\n\"HSC1\"=dword:00000001\n");
    RegDocument fresh;
    fresh.AddKey(kKey);
    fresh.SetValue(kKey, "SName1", StringValue("a"));
    EXPECT_EQ(fresh.Text(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"SName1\"=\"a\"\r\n");
}

TEST(RegDocument, AValueThatAlreadyReadsAsTheOneGivenKeepsItsLines) {
    const std::string text =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\" = dword:0000012C\r\n";
    auto document = *RegDocument::Parse(text);
    document.SetValue(kKey, "hsc1", DwordValue(300));
    EXPECT_EQ(document.Text(), text);
    document.SetValue(kKey, "HSC1", DwordValue(301));
    EXPECT_EQ(document.Text(),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n\"HSC1\"=dword:0000012d\r\n");
}

}  // namespace
}  // namespace zunpeko
