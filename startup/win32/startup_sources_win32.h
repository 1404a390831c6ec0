#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "startup/startup_sources.h"

namespace startupwin {

// The values of a key through RegEnumValueA.
class Win32RegistryValues final : public Startup::RegistryValues {
 public:
  std::vector<Startup::NamedValue> Values(platform::RegistryKey root,
                                          const std::string& subKey) override;
};

// Shortcuts read with the shell's link object (IShellLinkA and IPersistFile,
// as Windows 95's shell has them), with COM for the reader's lifetime.
class Win32ShortcutReader final : public Startup::ShortcutReader {
 public:
  Win32ShortcutReader();
  ~Win32ShortcutReader() override;
  Win32ShortcutReader(const Win32ShortcutReader&) = delete;
  Win32ShortcutReader& operator=(const Win32ShortcutReader&) = delete;

  std::optional<Startup::ShortcutTarget> Read(const std::string& path) override;

 private:
  bool com_ = false;
};

// The user's Startup folder, as the shortcut places find it: the shell's
// answer, or else its folder in the Windows directory `windowsDir`; empty
// when there is neither.
std::string StartupFolderPath(const platform::FileNameRule& rule, const std::string& windowsDir);

}  // namespace startupwin
