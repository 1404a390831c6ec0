#include "uninstall/sweep_gate.h"

#include <exception>
#include <optional>

#include "platform/full_path.h"
#include "uninstall/file_identity.h"
#include "uninstall/uninstall_texts.h"

namespace kesclean {

namespace {

SweepDecision Refused(const char* why) { return {{}, why}; }

// True when `folder` (a long path) is the system folder `systemFolder`; an
// unknown or unsound system folder counts as the same, to be safe.
bool IsFolder(const std::string& folder, const std::string& systemFolder,
              platform::FolderFiles& files, const platform::FileNameRule& rule) {
  const std::optional<std::string> longSystem = LongPathOf(systemFolder, files, rule);
  return !longSystem || rule.Folded(*longSystem) == rule.Folded(folder);
}

bool IsOrdinaryFile(const std::string& path, platform::FolderFiles& files) {
  try {
    const std::optional<std::uint32_t> attributes = files.Attributes(path);
    return attributes && (*attributes & (platform::kAttrDirectory | platform::kAttrVolume)) == 0;
  } catch (const std::exception&) {
    return false;  // cannot tell: not there, as far as deleting goes
  }
}

}  // namespace

SweepDecision DecideSweep(const InstallFacts& facts, platform::FolderFiles& files,
                          const platform::FileNameRule& rule) {
  const std::optional<std::string> program = LongPathOf(facts.programPath, files, rule);
  const std::optional<std::string> installFolder = LongPathOf(facts.installFolder, files, rule);
  if (!program || !installFolder) {
    return Refused(kNotFullPathText);
  }
  // "C:\Kestrel" names no file: its text's folder is not the folder of the
  // path, and the log read there says nothing about the path.
  const std::string folder = platform::ParentOf(rule, *program);
  if (rule.Folded(folder) != rule.Folded(*installFolder)) {
    return Refused(kNotFullPathText);
  }
  // A folder that does not read as a full path is refused like a root.
  const auto split = platform::SplitFullPath(rule, folder);
  if (!split || split->steps.empty()) {
    return Refused(kRootFolderText);
  }
  if (IsFolder(folder, facts.windowsDir, files, rule)) {
    return Refused(kWindowsFolderText);
  }
  if (IsFolder(folder, facts.systemDir, files, rule)) {
    return Refused(kSystemFolderText);
  }
  if (!IsOrdinaryFile(*program, files)) {
    return Refused(kNoProgramText);
  }
  if (facts.log == LogState::kMissing) {
    return Refused(kNoLogText);
  }
  if (facts.log == LogState::kUnread) {
    return Refused(kLogUnreadText);
  }
  if (facts.log == LogState::kEntryUnread) {
    return Refused(kLogEntryUnreadText);
  }
  if (facts.known.count(rule.Folded(*program)) == 0) {
    return Refused(kNotListedText);
  }
  return {rule.AddBackslash(folder), {}};
}

}  // namespace kesclean
