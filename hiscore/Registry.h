#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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
    virtual void CloseKey(RegKey key) = 0;
};

}  // namespace zunpeko
