#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace setupkit {

// A text value of a key below HKEY_LOCAL_MACHINE, without its NUL; nothing
// when the key or the value is missing or the value is not text.
std::optional<std::string> MachineText(platform::Registry& registry, const std::string& key,
                                       const std::string& name);

}  // namespace setupkit
