#include "uninstall/sweep_gate.h"

#include <exception>
#include <optional>

#include "platform/full_path.h"
#include "uninstall/file_identity.h"
#include "uninstall/uninstall_texts.h"

namespace kesclean {

namespace {

SweepDecision Refused(const char* why) { return {{}, why}; }

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
                          platform::FolderIdentity& identity, const platform::FileNameRule& rule) {
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
  switch (SystemPlaceOf(folder, facts.windowsDir, facts.systemDir, files, identity, rule)) {
    case SystemPlace::kRoot:
      return Refused(kRootFolderText);
    case SystemPlace::kWindows:
      return Refused(kWindowsFolderText);
    case SystemPlace::kSystem:
      return Refused(kSystemFolderText);
    case SystemPlace::kNone:
      break;
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
