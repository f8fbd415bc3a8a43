// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RegDocument.h"

namespace zunpeko {

// Code page 932 to and from UTF-8 and UTF-16 (little-endian), through Qt's
// converters. A character code page 932 has no form for becomes "？", and a
// lead byte left hanging at the end of a name cut short is dropped.
const RegUnicode& Cp932RegUnicode();

}  // namespace zunpeko
