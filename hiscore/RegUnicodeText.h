// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zunpeko {

// String values between code page 932, as the program reads and writes them,
// and the Unicode forms a registry file may spell them in: UTF-8 and UTF-16
// (little-endian), through Qt's converters. A character code page 932 has no
// form for becomes "？", and a lead byte left hanging at the end of a name
// cut short is dropped.
std::string Cp932FromUtf8(std::string_view utf8);
std::string Utf8FromCp932(std::string_view cp932);
std::string Cp932FromUtf16(std::string_view utf16le);
std::string Utf16FromCp932(std::string_view cp932);

}  // namespace zunpeko
