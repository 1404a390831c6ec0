#include "explorer/display_rules.h"

#include <cstdio>

namespace Explorer {

std::string IdText(std::int32_t value, bool hex) {
  if (!hex) {
    return NumberText(value);
  }
  char text[9] = {};
  std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return text;
}

std::string NumberText(std::int32_t value) { return std::to_string(value); }

std::string PriorityName(std::int32_t priority) {
  switch (priority) {
    case 128:
      return "High";
    case 64:
      return "Idle";
    case 32:
      return "Normal";
    case 256:
      return "Realtime";
    default:
      return "Undetermined";
  }
}

std::string VersionText(const clsVersionInfo& version) {
  return std::to_string(version.mnFileVerMaj) + "." + std::to_string(version.mnFileVerMin) + "." +
         std::to_string(version.mnFileVerRevHi) + "." + std::to_string(version.mnFileVerRevLo);
}

}  // namespace Explorer
