#include "shell/general/windows_dir.h"

#include <exception>
#include <span>
#include <vector>

#include "shell/general/failure_handler.h"
#include "shell/general/text_helpers.h"

namespace Subs {

namespace {

constexpr std::uint32_t kBufferSize = 145;

// One of the system's folders through `ask` (the system's call with a
// buffer), with a trailing backslash.
template <typename Ask>
std::string FolderWithBackslash(const platform::FileNameRule& rule, Ask&& ask) {
  std::vector<char> buffer(kBufferSize, '\0');
  const std::uint32_t stored = ask(std::span<char>(buffer));
  // A result as large as the buffer is the size the path would need: the
  // buffer then holds no path, and a cut-off folder would be worse than none.
  if (stored == 0 || stored >= kBufferSize) {
    return {};
  }
  return AddBackslash(rule, std::string(buffer.data(), stored));
}

}  // namespace

std::string WindowsDirWithBackslash(platform::SystemFolders& folders,
                                    const platform::FileNameRule& rule) {
  return FolderWithBackslash(
      rule, [&](std::span<char> buffer) { return folders.WindowsDirectory(buffer); });
}

std::string SystemDirWithBackslash(platform::SystemFolders& folders,
                                   const platform::FileNameRule& rule) {
  return FolderWithBackslash(
      rule, [&](std::span<char> buffer) { return folders.SystemDirectory(buffer); });
}

std::string GetWindowsDir(platform::SystemFolders& folders, const platform::FileNameRule& rule,
                          const ErrorReport& report) {
  return WithFailureHandler(report, "Subs", "GetWindowsDir", std::string(),
                            [&] { return WindowsDirWithBackslash(folders, rule); });
}

}  // namespace Subs
