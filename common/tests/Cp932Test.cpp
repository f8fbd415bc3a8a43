// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <iconv.h>

#include "Cp932.h"

namespace zunpeko {
namespace {

// glibc's JIS X 0213 table, which holds 〜 U+301C and the like in the bytes
// code page 932 has for them: a table that is neither ours nor ICU's.
std::string JisX0213ShiftJis(std::string utf8) {
    std::string out(8, '\0');
    char* in = utf8.data();
    char* at = out.data();
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    iconv_t cd = iconv_open("SHIFT_JISX0213", "UTF-8");
    iconv(cd, &in, &inLeft, &at, &outLeft);
    iconv_close(cd);
    return out.substr(0, out.size() - outLeft);
}

TEST(Cp932, RoundTripsTheProgramsOwnTexts) {
    for (const char* utf8 : {"残り時間 30 秒", "ｷｬﾝｾﾙ", "モ　ド　ル", "ハイスコア(&H)", "～"}) {
        EXPECT_EQ(Utf8FromSjis(SjisFromUtf8(utf8)), utf8);
    }
}

TEST(Cp932, EncodesHalfWidthKatakanaInOneByteAndKanjiInTwo) {
    EXPECT_EQ(SjisFromUtf8("ｷ"), "\xb7");
    EXPECT_EQ(SjisFromUtf8("時"), "\x8e\x9e");
    EXPECT_EQ(SjisFromUtf8("～"), "\x81\x60");  // code page 932, not JIS X 0208's wave dash
}

TEST(Cp932, StoresWhatInputMethodsTypeInJisFormAsTheCodePagesOwnCharacter) {
    for (const char* utf8 : {"〜", "−", "‖", "¢", "£", "¬", "—"}) {
        EXPECT_EQ(SjisFromUtf8(utf8), JisX0213ShiftJis(utf8)) << utf8;
    }
}

TEST(Cp932, LeavesOutALeadByteCutOffAtTheEnd) {
    const SjisText cut = SjisFromUtf8("権兵衛").substr(0, 5);  // two and a half characters
    EXPECT_EQ(ToDisplay(cut), QStringLiteral("権兵"));
}

TEST(Cp932, ShowsEveryByteValueWithoutLosingTheRest) {
    for (int b = 0; b < 256; ++b) {
        const SjisText text = std::string("a") + static_cast<char>(b) + "z";
        const QString shown = ToDisplay(text);
        EXPECT_TRUE(shown.startsWith(u'a')) << b;
        EXPECT_FALSE(shown.isEmpty()) << b;
    }
}

TEST(Cp932, ReplacesCharactersItCannotHoldWithAFullWidthQuestionMark) {
    EXPECT_EQ(FromDisplay(QStringLiteral("a😀b")),
              "a\x81\x48"
              "b");
    EXPECT_EQ(FromDisplay(QStringLiteral("é")), "\x81\x48");
    EXPECT_EQ(FromDisplay(QStringLiteral("?")), "?");
}

TEST(Cp932, TakesTheByteAfterALeadByteOfEitherRangeAsItsTrail) {
    // The edges of the two lead-byte ranges, 0x81-0x9F and 0xE0-0xFC. A lead
    // byte at the very end of a text has lost its trail and is left out.
    struct Edge {
        unsigned char byte;
        bool lead;
    };
    constexpr Edge kEdges[] = {
        {0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false}, {0xDF, false},
        {0xE0, true},  {0xEF, true}, {0xF0, true}, {0xFC, true},  {0xFD, false},
    };
    for (const Edge edge : kEdges) {
        EXPECT_EQ(IsSjisLeadByte(edge.byte), edge.lead) << int{edge.byte};
        const SjisText cut = std::string("a") + static_cast<char>(edge.byte);
        EXPECT_EQ(ToDisplay(cut) == QStringLiteral("a"), edge.lead) << int{edge.byte};
    }
    // Characters whose lead bytes sit high in the second range.
    EXPECT_EQ(ToDisplay("a\xfa\x81"), QString::fromUtf16(u"a\u519D"));
    EXPECT_EQ(ToDisplay("a\xfb\x81"), QString::fromUtf16(u"a\u7994"));
    EXPECT_EQ(ToDisplay("a\xfa\xe0"), QString::fromUtf16(u"a\uF929"));
}

}  // namespace
}  // namespace zunpeko
