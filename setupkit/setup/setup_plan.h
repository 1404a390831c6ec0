#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/file_name_rule.h"
#include "platform/folder_files.h"
#include "platform/folder_identity.h"
#include "platform/registry.h"
#include "platform/system_folders.h"

namespace setup {

inline constexpr const char* kTitle = "Kestrel Setup";
inline constexpr const char* kAppName = "Kestrel";
inline constexpr const char* kLogName = "ST5UNST.LOG";
inline constexpr const char* kUninstaller = "ST5UNST.EXE";
inline constexpr const char* kViewer = "kesview.exe";
inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kestrel";

// The files that go into the install folder, each named on a
// "PrivateFile:" line of the setup log.
inline constexpr std::array<const char*, 7> kProgramFiles = {
    "kesview.exe", "kesclean.exe", "kesreport.exe", "keslink.dll",
    "index.htm",   "options.htm",  "contact.htm"};

// Exit statuses of an unattended run.
inline constexpr int kInstalled = 0;
inline constexpr int kNotInstalled = 1;
inline constexpr int kFolderRefused = 2;
inline constexpr int kBadCommandLine = 3;

// "/S" for an unattended run and "/D=<folder>" (last, the rest of the line,
// quotes allowed) for the folder. Nothing for anything else.
struct CommandLine {
  bool silent = false;
  std::string folder;  // empty: the default
};
std::optional<CommandLine> ParseCommandLine(const std::string& arguments);

// "<ProgramFilesDir>\Kestrel", the folder from the registry's Windows key,
// else "C:\Program Files\Kestrel".
std::string DefaultFolder(platform::Registry& registry, const platform::FileNameRule& rule);

enum class Refusal { kNone, kNotFullPath, kRoot, kWindows, kSystem, kForeignLog, kHoldsOthersFile };

// The folder as it will be used (canonical, long names), or why not.
struct FolderChoice {
  Refusal refusal = Refusal::kNone;
  std::string folder;
};

// Refuses what is no full path, a drive's or share's root, the Windows and
// the System folder (by the folder itself, under any name: SystemPlaceOf), a
// folder whose setup log is not Kestrel's (it holds an
// entry that names no file, names a file that is not one of Kestrel's files
// in that folder, or does not name the viewer), and a folder that holds a
// file of the name of one of Kestrel's that its setup log (if any) does not
// list.
FolderChoice ChooseFolder(const std::string& text, platform::FolderFiles& files,
                          platform::FolderIdentity& identity, const platform::FileNameRule& rule,
                          platform::SystemFolders& folders);

// Why the folder was refused, for the user.
std::string RefusalMessage(Refusal refusal, const std::string& text);

// The setup log of an install into `folder`: each file on a "PrivateFile:"
// line, then what the uninstaller removes besides: the shortcut, the
// viewer's settings and the Add/Remove Programs entry.
std::string LogText(const std::string& folder);

// The command that Add/Remove Programs runs.
std::string UninstallCommand(const std::string& windowsDir, const std::string& folder);

}  // namespace setup
