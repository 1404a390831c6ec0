#include "shell/general/windows_dir.h"

#include <exception>
#include <vector>

#include "shell/general/text_helpers.h"

namespace Subs {

namespace {

constexpr std::uint32_t kBufferSize = 145;

}  // namespace

std::string WindowsDirWithBackslash(platform::SystemFolders& folders) {
  std::vector<char> buffer(kBufferSize, '\0');
  const std::uint32_t stored = folders.WindowsDirectory(buffer);
  // A result as large as the buffer is the size the path would need: the
  // buffer then holds no path, and a cut-off folder would be worse than none.
  if (stored == 0 || stored >= kBufferSize) {
    return {};
  }
  return AddBackslash(std::string(buffer.data(), stored));
}

std::string GetWindowsDir(platform::SystemFolders& folders, const ErrorReport& report) {
  try {
    return WindowsDirWithBackslash(folders);
  } catch (const std::exception& failure) {
    report.ShowFailure(failure, "Subs", "GetWindowsDir");
    return {};
  }
}

}  // namespace Subs
