// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Registry.h"

namespace zunpeko::testing {

// One key of registry in memory, with the ways a real one refuses, noting
// every call in order.
class MemoryRegistry final : public Registry {
  public:
    std::optional<RegKey> OpenKey(std::string_view /*subkey*/, RegAccess access) override {
        const bool full = access == RegAccess::kFull;
        log.emplace_back(full ? "open full" : "open read");
        return keyExists && !(full && refuseFull) ? Hand(full) : std::nullopt;
    }
    std::optional<RegKey> CreateKey(std::string_view /*subkey*/) override {
        log.emplace_back("create");
        return refuseCreate ? std::nullopt : Hand(true);
    }
    std::optional<RegValue> QueryValue(RegKey /*key*/, std::string_view name) override {
        log.push_back("query " + std::string(name));
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool SetValue(RegKey key, std::string_view name, const RegValue& value) override {
        log.push_back("set " + std::string(name));
        if (key != kFullKey || writesLeft-- <= 0) {
            return false;
        }
        values[std::string(name)] = value;
        return true;
    }
    void CloseKey(RegKey /*key*/) override {}

    bool keyExists = false;
    bool refuseFull = false;    // opening with full access fails
    bool refuseCreate = false;  // creating the key fails
    int writesLeft = 1000;      // the writes that succeed before the store is full
    std::map<std::string, RegValue, std::less<>> values;
    std::vector<std::string> log;  // "open full", "query HSC1", "set SName2", ...

  private:
    static constexpr RegKey kFullKey{1};
    static std::optional<RegKey> Hand(bool full) { return full ? kFullKey : RegKey{2}; }
};

}  // namespace zunpeko::testing
