// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RegValue.h"

namespace zunpeko {

// An open key, as a handle the registry gave out.
enum class RegKey : std::uint32_t {};

// What an opened key may be used for.
enum class RegAccess { kRead, kFull };

// The few registry operations the hi-score table needs, on keys directly under
// the current user's root. Each call either does what it says or reports that
// it failed, as the system registry would; none of them throws.
class Registry {
  public:
    virtual ~Registry() = default;

    // Opens an existing key; nothing if it does not exist or the access is refused.
    virtual std::optional<RegKey> OpenKey(std::string_view subkey, RegAccess access) = 0;
    // Opens the key with full access, creating it first if it does not exist.
    virtual std::optional<RegKey> CreateKey(std::string_view subkey) = 0;
    // The value with its type and data; nothing if the key has no value of that name.
    virtual std::optional<RegValue> QueryValue(RegKey key, std::string_view name) = 0;
    // Sets one value; false if the key is not open with full access or the
    // change could not be stored.
    virtual bool SetValue(RegKey key, std::string_view name, const RegValue& value) = 0;

    using NamedValues = std::vector<std::pair<std::string, RegValue>>;
    // Sets several values in order and returns how many were stored before the
    // first that could not be. A store that can do better stores all of them
    // or none (so a crash never leaves half of them).
    virtual std::size_t SetValues(RegKey key, const NamedValues& values) {
        std::size_t stored = 0;
        while (stored < values.size() &&
               SetValue(key, values[stored].first, values[stored].second)) {
            ++stored;
        }
        return stored;
    }
    virtual void CloseKey(RegKey key) = 0;

    // Starts rewriting the key from what it holds: until EndUpdate, no other
    // copy of the program writes to the same store, and QueryValue sees the
    // store as it is now rather than as it was when the key was opened. A
    // store only one program uses needs neither.
    enum class Update {
        kRefused,           // the store cannot be held: write nothing
        kAsLastSeen,        // nobody changed the store since this program last read or wrote it
        kChangedMeanwhile,  // somebody did
    };
    virtual Update BeginUpdate(RegKey /*key*/) { return Update::kAsLastSeen; }
    virtual void EndUpdate(RegKey /*key*/) {}
    // Sees the store as it is now, without holding it: kChangedMeanwhile when
    // somebody changed it since this program last read or wrote it, and
    // QueryValue then sees the change; kAsLastSeen otherwise, or when it
    // cannot be read now.
    virtual Update Refresh(RegKey /*key*/) { return Update::kAsLastSeen; }

    // Keeps a copy of everything the key's store holds now, before values that
    // could not be read are written over. False if no copy could be made.
    virtual bool KeepCopyAside(RegKey /*key*/) { return true; }
};

}  // namespace zunpeko
