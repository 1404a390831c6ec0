#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace setupkit {

// A value as the registry keeps it: its type and its bytes.
struct StoredValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

// A value of a key below HKEY_LOCAL_MACHINE; nothing when the key or the
// value is missing or cannot be read.
std::optional<StoredValue> MachineValue(platform::Registry& registry, const std::string& key,
                                        const std::string& name);

// A text value of a key below HKEY_LOCAL_MACHINE, without its NUL; nothing
// when the key or the value is missing or the value is not text.
std::optional<std::string> MachineText(platform::Registry& registry, const std::string& key,
                                       const std::string& name);

}  // namespace setupkit
