#include "uninstall/file_identity.h"

#include <exception>
#include <utility>

#include "platform/full_path.h"

namespace kesclean {

namespace {

// The name a search gives back for one step; nothing unless it found exactly
// one entry with a name that can stand for that step.
std::optional<std::string> NameOnDisk(const std::string& path, platform::FolderFiles& files,
                                      const platform::FileNameRule& rule) {
  const std::vector<platform::FolderEntry> found = files.List(path);
  if (found.size() != 1 || found[0].name.empty() || found[0].name == "." || found[0].name == ".." ||
      rule.LastOf(found[0].name, "\\/") != std::string::npos) {
    return std::nullopt;
  }
  return found[0].name;
}

}  // namespace

std::optional<std::string> LongPathOf(const std::string& path, platform::FolderFiles& files,
                                      const platform::FileNameRule& rule) {
  const std::optional<std::string> canonical = platform::CanonicalPath(rule, path);
  if (!canonical) {
    return std::nullopt;
  }
  const platform::PathSteps written = *platform::SplitFullPath(rule, *canonical);
  platform::PathSteps walked{written.root, {}};
  bool onDisk = true;
  for (const std::string& step : written.steps) {
    walked.steps.push_back(step);
    if (onDisk) {
      const std::optional<std::string> name = NameOnDisk(platform::JoinPath(walked), files, rule);
      onDisk = name.has_value();
      if (name) {
        walked.steps.back() = *name;
      }
    }
  }
  return platform::JoinPath(walked);
}

std::optional<std::string> FileKey(const std::string& path, platform::FolderFiles& files,
                                   const platform::FileNameRule& rule) {
  const std::optional<std::string> longPath = LongPathOf(path, files, rule);
  if (!longPath) {
    return std::nullopt;
  }
  return rule.Folded(*longPath);
}

SystemPlace SystemPlaceOf(const std::string& folder, const std::string& windowsDir,
                          const std::string& systemDir, platform::FolderFiles& files,
                          platform::FolderIdentity& identity, const platform::FileNameRule& rule) {
  const std::optional<platform::PathSteps> split = platform::SplitFullPath(rule, folder);
  if (!split || split->steps.empty()) {
    return SystemPlace::kRoot;
  }
  const std::optional<std::string> windows = LongPathOf(windowsDir, files, rule);
  std::optional<std::string> windowsRoot;
  if (windows) {
    windowsRoot = platform::JoinPath({platform::SplitFullPath(rule, *windows)->root, {}});
  }
  const std::pair<std::optional<std::string>, SystemPlace> places[] = {
      {windows, SystemPlace::kWindows},
      {LongPathOf(systemDir, files, rule), SystemPlace::kSystem},
      {windowsRoot, SystemPlace::kRoot}};
  for (const auto& [path, place] : places) {
    if (!path || rule.Folded(*path) == rule.Folded(folder)) {
      return place;
    }
  }
  std::optional<std::uint32_t> attributes;
  try {
    attributes = files.Attributes(folder);
  } catch (const std::exception&) {
    return SystemPlace::kWindows;  // cannot tell what it is
  }
  if (!attributes || (*attributes & platform::kAttrDirectory) == 0) {
    return SystemPlace::kNone;  // no folder yet: no second name of one
  }
  for (const auto& [path, place] : places) {
    const std::optional<bool> same = identity.SameFolder(folder, *path);
    if (!same || *same) {
      return place;
    }
  }
  return SystemPlace::kNone;
}

}  // namespace kesclean
