#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_files.h"
#include "platform/registry.h"

namespace Startup {

// One value of a registry key, as the system stores it.
struct NamedValue {
  std::string name;
  std::uint32_t type = 0;
  std::string data;  // the bytes stored, as many as the system gave
};

// The values of a registry key, in the system's order.
class RegistryValues {
 public:
  virtual ~RegistryValues() = default;
  // Every value of `root`\`subKey`; empty when the key is not there.
  virtual std::vector<NamedValue> Values(platform::RegistryKey root, const std::string& subKey) = 0;
};

// What a shortcut file says it starts.
struct ShortcutTarget {
  std::string path;
  std::string arguments;
};

// The shell's link object.
class ShortcutReader {
 public:
  virtual ~ShortcutReader() = default;
  // The target and arguments of the shortcut file at `path`; none when the
  // file cannot be read as a shortcut.
  virtual std::optional<ShortcutTarget> Read(const std::string& path) = 0;
};

// Everything the places are read from.
struct StartupSources {
  RegistryValues& registry;
  platform::FolderFiles& files;  // the Startup folder's names and the INI files
  ShortcutReader& shortcuts;
  std::string windowsFolder;  // without a trailing backslash; empty when unknown
  std::string startupFolder;  // the same
};

}  // namespace Startup
