// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zunpeko {

// Registry value types by the numbers the registry gives them; the store file
// spells any of them as hex(N), so types the program never uses survive too.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// One registry value: its type and its data exactly as the registry holds it.
// The data's size is not implied by the type (a REG_DWORD may hold 5 bytes).
struct RegValue {
    std::uint32_t type = kRegNone;
    std::string data;

    bool operator==(const RegValue&) const = default;
};

// A REG_DWORD: four bytes, least significant first.
inline RegValue DwordValue(std::uint32_t number) {
    std::string data(4, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<char>((number >> (8 * i)) & 0xFFU);
    }
    return RegValue{kRegDword, data};
}

// The number that little-endian data spells, as the registry reads a
// REG_DWORD: its first byte is the least significant.
inline std::uint32_t NumberFromLittleEndian(std::string_view data) {
    std::uint32_t number = 0;
    for (std::size_t i = data.size(); i-- > 0;) {
        number = (number << 8U) | static_cast<unsigned char>(data[i]);
    }
    return number;
}

// A REG_SZ holding text, with the terminating zero byte the registry keeps.
inline RegValue StringValue(std::string_view text) {
    std::string data(text);
    data.push_back('\0');
    return RegValue{kRegSz, data};
}

}  // namespace zunpeko
