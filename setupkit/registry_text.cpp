#include "setupkit/registry_text.h"

#include <algorithm>

namespace setupkit {

std::optional<StoredValue> MachineValue(platform::Registry& registry, const std::string& key,
                                        const std::string& name) {
  platform::RegistryKey open = 0;
  if (registry.OpenKey(platform::kHkeyLocalMachine, key, platform::kKeyAccess, open) !=
      platform::kErrorSuccess) {
    return std::nullopt;
  }
  StoredValue value;
  std::uint32_t size = 0;
  std::int32_t read = registry.QueryValue(open, name, &value.type, nullptr, &size);
  if (read == platform::kErrorSuccess) {
    value.data.resize(size);
    read = registry.QueryValue(open, name, &value.type, value.data.data(), &size);
    value.data.resize(std::min<std::size_t>(size, value.data.size()));
  }
  registry.CloseKey(open);
  if (read != platform::kErrorSuccess) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> MachineText(platform::Registry& registry, const std::string& key,
                                       const std::string& name) {
  const std::optional<StoredValue> value = MachineValue(registry, key, name);
  if (!value || value->type != platform::kRegSz) {
    return std::nullopt;
  }
  const std::string text(value->data.begin(), value->data.end());
  return text.substr(0, text.find('\0'));
}

}  // namespace setupkit
