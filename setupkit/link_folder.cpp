#include "setupkit/link_folder.h"

#include <optional>

#include "platform/full_path.h"
#include "shell/general/text_helpers.h"

namespace setupkit {

namespace {

constexpr const char* kProgramsMenu = "Start Menu\\Programs";

}  // namespace

std::string ResolveLinkFolder(const platform::FileNameRule& rule, const std::string& windowsDir,
                              const std::string& folder) {
  const std::string programs = Subs::AddBackslash(rule, windowsDir) + kProgramsMenu;
  // The root ("C:\" or "\\server\share\") is kept whole and ".." never
  // leaves it; a Windows folder that is no full path gives no folder.
  const std::optional<platform::PathSteps> split =
      platform::SplitFullPath(rule, programs + "\\" + folder);
  if (!split) {
    return {};
  }
  platform::PathSteps resolved{split->root, {}};
  for (const std::string& step : split->steps) {
    if (step == ".") {
      continue;
    }
    if (step == "..") {
      if (!resolved.steps.empty()) {
        resolved.steps.pop_back();
      }
      continue;
    }
    resolved.steps.push_back(step);
  }
  return platform::JoinPath(resolved);
}

std::vector<std::string> FolderChain(const platform::FileNameRule& rule, const std::string& path) {
  const std::optional<platform::PathSteps> split = platform::SplitFullPath(rule, path);
  std::vector<std::string> chain;
  if (!split) {
    return chain;
  }
  platform::PathSteps folder{split->root, {}};
  for (const std::string& step : split->steps) {
    folder.steps.push_back(step);
    chain.push_back(platform::JoinPath(folder));
  }
  return chain;
}

}  // namespace setupkit
