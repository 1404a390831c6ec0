#include "setupkit/link_folder.h"

#include <optional>

#include "platform/full_path.h"
#include "shell/general/text_helpers.h"

namespace setupkit {

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
