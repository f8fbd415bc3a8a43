// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

#include "SjisText.h"

namespace zunpeko {

// Converts the program's code page 932 text to what Qt shows. A lead byte cut
// off from its trail byte at the end of the text (a name cut at 20 bytes can
// end that way) is left out rather than shown as a stray mark; other bytes
// that are not code page 932 show as U+FFFD.
QString ToDisplay(std::string_view sjis);

// Converts text typed into a Qt widget to code page 932. The few characters
// that input methods type in JIS X 0208's mapping (〜 U+301C and six more)
// become the code page's own (～ 8160). A character that code page 932
// cannot hold becomes the full-width question mark "？".
SjisText FromDisplay(const QString& text);

// The same conversion from UTF-8, for texts written in the source code.
SjisText SjisFromUtf8(std::string_view utf8);

// Code page 932 to UTF-8, for tools that print the program's texts.
std::string Utf8FromSjis(std::string_view sjis);

}  // namespace zunpeko
