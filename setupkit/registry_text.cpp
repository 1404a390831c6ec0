#include "setupkit/registry_text.h"

#include <cstdint>
#include <vector>

namespace setupkit {

std::optional<std::string> MachineText(platform::Registry& registry, const std::string& key,
                                       const std::string& name) {
  platform::RegistryKey open = 0;
  if (registry.OpenKey(platform::kHkeyLocalMachine, key, platform::kKeyAccess, open) !=
      platform::kErrorSuccess) {
    return std::nullopt;
  }
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data(2048);
  auto size = static_cast<std::uint32_t>(data.size());
  const std::int32_t read = registry.QueryValue(open, name, &type, data.data(), &size);
  registry.CloseKey(open);
  if (read != platform::kErrorSuccess || type != platform::kRegSz) {
    return std::nullopt;
  }
  const std::string text(reinterpret_cast<const char*>(data.data()),
                         std::min<std::size_t>(size, data.size()));
  return text.substr(0, text.find('\0'));
}

}  // namespace setupkit
