// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

namespace zunpeko {

// How every property setter of the window's own controls begins: it stores a
// value only when it differs from the stored one, and only then repaints (or
// does whatever else a change asks for).
template <typename T, typename U>
bool StoreIfChanged(T& stored, U&& value) {
    if (stored == value) {
        return false;
    }
    stored = std::forward<U>(value);
    return true;
}

}  // namespace zunpeko
