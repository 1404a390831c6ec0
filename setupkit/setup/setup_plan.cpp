#include "setupkit/setup/setup_plan.h"

#include <set>
#include <vector>

#include "platform/full_path.h"
#include "setupkit/registry_text.h"
#include "setupkit/st5unst/st5unst_log.h"
#include "shell/general/windows_dir.h"
#include "uninstall/file_identity.h"
#include "uninstall/known_files.h"

namespace setup {

namespace {

constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows\\CurrentVersion";

bool Is(const std::string& word, const std::string& upper) {
  return word.size() == upper.size() &&
         platform::FileNameRule().Folded(word) == upper;  // ASCII switches only
}

bool IsKestrelFile(const std::string& name, const platform::FileNameRule& rule) {
  for (const char* own : kProgramFiles) {
    if (platform::SameFileName(rule, name, own)) {
      return true;
    }
  }
  return false;
}

// The names of Kestrel's files that the log lists, folded, when it is
// Kestrel's: every entry names one of Kestrel's files in the folder whose
// key is `folder`, the viewer among them. Nothing for a log that may be
// another program's: a line the log's rule cannot read, or one that names
// nothing of Kestrel's.
std::optional<std::set<std::string>> KestrelsListedNames(const std::string& text,
                                                         const std::string& folder,
                                                         platform::FolderFiles& files,
                                                         const platform::FileNameRule& rule) {
  std::set<std::string> listed;
  for (const std::string& entry : kesclean::PrivateFileEntries(text)) {
    const std::optional<std::string> named = kesclean::EntryPath(rule, entry);
    const std::optional<std::string> path =
        named ? kesclean::LongPathOf(*named, files, rule) : std::nullopt;
    if (!path || rule.Folded(platform::ParentOf(rule, *path)) != folder) {
      return std::nullopt;
    }
    const std::string name = rule.SplitFolderName(*path).name;
    if (!IsKestrelFile(name, rule)) {
      return std::nullopt;
    }
    listed.insert(rule.Folded(name));
  }
  if (listed.count(rule.Folded(kViewer)) == 0) {
    return std::nullopt;
  }
  return listed;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::string& arguments) {
  CommandLine line;
  std::string rest = st5unst::Trim(arguments);
  while (!rest.empty()) {
    // A starter that quotes each argument gives "/D=C:\Program Files\Kestrel".
    if (rest.size() >= 5 && rest.front() == '"' && rest.back() == '"' &&
        Is(rest.substr(1, 3), "/D=")) {
      rest = rest.substr(1, rest.size() - 2);
    }
    if (rest.size() >= 3 && Is(rest.substr(0, 3), "/D=")) {
      std::string folder = st5unst::Trim(rest.substr(3));
      if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
        folder = folder.substr(1, folder.size() - 2);
      }
      if (folder.empty()) {
        return std::nullopt;
      }
      line.folder = folder;
      return line;
    }
    const auto end = rest.find_first_of(" \t");
    const std::string word = rest.substr(0, end);
    if (!Is(word, "/S")) {
      return std::nullopt;
    }
    line.silent = true;
    rest = end == std::string::npos ? std::string() : st5unst::Trim(rest.substr(end));
  }
  return line;
}

std::string DefaultFolder(platform::Registry& registry, const platform::FileNameRule& rule) {
  const std::optional<std::string> canonical = platform::CanonicalPath(
      rule, setupkit::MachineText(registry, kWindowsKey, "ProgramFilesDir").value_or(""));
  return rule.AddBackslash(canonical ? *canonical : "C:\\Program Files") + kAppName;
}

FolderChoice ChooseFolder(const std::string& text, platform::FolderFiles& files,
                          platform::FolderIdentity& identity, const platform::FileNameRule& rule,
                          platform::SystemFolders& folders) {
  const std::optional<std::string> folder = kesclean::LongPathOf(st5unst::Trim(text), files, rule);
  if (!folder) {
    return {Refusal::kNotFullPath, {}};
  }
  switch (kesclean::SystemPlaceOf(*folder, ::Subs::WindowsDirWithBackslash(folders, rule),
                                  ::Subs::SystemDirWithBackslash(folders, rule), files, identity,
                                  rule)) {
    case kesclean::SystemPlace::kRoot:
      return {Refusal::kRoot, *folder};
    case kesclean::SystemPlace::kWindows:
      return {Refusal::kWindows, *folder};
    case kesclean::SystemPlace::kSystem:
      return {Refusal::kSystem, *folder};
    case kesclean::SystemPlace::kNone:
      break;
  }
  const std::string key = rule.Folded(*folder);
  const std::string log = *folder + "\\" + kLogName;
  try {
    std::set<std::string> listed;  // none without a log
    if (files.Attributes(log)) {
      const auto names = KestrelsListedNames(files.ReadTextFile(log), key, files, rule);
      if (!names) {
        return {Refusal::kForeignLog, *folder};
      }
      listed = *names;
    }
    // A file of one of Kestrel's names that Kestrel's log does not list is
    // the user's or another program's: replaced, it would be lost, and the
    // uninstaller would later delete what took its place.
    for (const char* name : kProgramFiles) {
      if (listed.count(rule.Folded(name)) == 0 && files.Attributes(*folder + "\\" + name)) {
        return {Refusal::kHoldsOthersFile, *folder};
      }
    }
  } catch (const std::exception&) {
    return {Refusal::kForeignLog, *folder};  // a log it cannot read is not known to be ours
  }
  return {Refusal::kNone, *folder};
}

std::string RefusalMessage(Refusal refusal, const std::string& text) {
  switch (refusal) {
    case Refusal::kNotFullPath:
      return "\"" + text +
             "\" is not a full folder path.\nType one such as C:\\Program Files\\Kestrel.";
    case Refusal::kRoot:
      return "Kestrel is not installed in the root of a drive.\nChoose a folder of its own, such "
             "as C:\\Program Files\\Kestrel.";
    case Refusal::kWindows:
      return "Kestrel is not installed in the Windows folder.\nChoose a folder of its own.";
    case Refusal::kSystem:
      return "Kestrel is not installed in the System folder.\nChoose a folder of its own.";
    case Refusal::kForeignLog:
      return "The folder\n" + text +
             "\nholds the setup log of another program, whose uninstaller would then remove "
             "Kestrel too.\nChoose a folder of Kestrel's own.";
    case Refusal::kHoldsOthersFile:
      return "The folder\n" + text +
             "\nholds files that Kestrel did not install under the names of Kestrel's own "
             "files, which Setup would replace.\nChoose an empty folder or one where Kestrel is "
             "installed.";
    case Refusal::kNone:
      break;
  }
  return {};
}

std::string LogText(const std::string& folder) {
  std::string text = "; Kestrel setup log\r\n";
  for (const char* name : kProgramFiles) {
    text += "PrivateFile: \"" + folder + "\\" + name + "\"\r\n";
  }
  for (const char* line : {"Shortcut", "SettingsKey", "UninstallKey"}) {
    text += std::string(line) + ": \"" + kAppName + "\"\r\n";
  }
  return text;
}

std::string UninstallCommand(const std::string& windowsDir, const std::string& folder) {
  return "\"" + windowsDir + kUninstaller + "\" -n \"" + folder + "\\" + kLogName + "\"";
}

}  // namespace setup
