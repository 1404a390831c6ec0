#pragma once

namespace kesclean {

inline constexpr const char* kAppName = "Kestrel";
// Message boxes that name no title carry this one.
inline constexpr const char* kProgramTitle = "Kestrel Uninstaller";
inline constexpr const char* kErrorTitle = "Program Error";
inline constexpr const char* kConfirmTitle = "Confirm Uninstall";
inline constexpr const char* kWindowCaption = "Uninstalling Kestrel";
inline constexpr const char* kWaitLabel = "Please wait while the Uninstall program loads...";

inline constexpr const char* kNotFoundText =
    "Kestrel or one of it's components was not found.\n\n"
    "Use the 'Add/Remove Programs' from your control panel to uninstall instead.";
inline constexpr const char* kConfirmText =
    "Are you sure you want to uninstall Kestrel?\n\n"
    "(Before uninstalling, ensure Kestrel is not currently running)";
inline constexpr const char* kNoLogText = "Could not find Uninstall Log File!";
// The viewer writes "QuickLaunch" in one word; the uninstaller does not.
inline constexpr const char* kQuickLaunchRemoveFailed = "Couldn't Remove Quick Launch Shortcut";

// Why the install folder is not swept: one line each, then the folder.
inline constexpr const char* kNotFullPathText =
    "The place Kestrel recorded for itself is not the full path of a program file.";
inline constexpr const char* kRootFolderText =
    "That folder is the root of a drive or a network share.";
inline constexpr const char* kWindowsFolderText = "That folder is the Windows folder.";
inline constexpr const char* kSystemFolderText = "That folder is the Windows System folder.";
inline constexpr const char* kNoProgramText = "Kestrel's program file is not in that folder.";
inline constexpr const char* kLogUnreadText = "The Uninstall Log File could not be read.";
inline constexpr const char* kLogEntryUnreadText =
    "The Uninstall Log File in that folder holds an entry that is not a full path in quotes, so "
    "it may be another program's.";
inline constexpr const char* kNotListedText =
    "The Uninstall Log File in that folder does not list Kestrel's program file, so the "
    "folder may hold another program's files.";
inline constexpr const char* kUncheckedText = "The install folder could not be checked.";
inline constexpr const char* kLeftAsItWasText =
    "Nothing was removed: Kestrel's files, shortcuts and settings were left as they were.";

// After the point of no return: what stayed, and where.
inline constexpr const char* kNotStartedText =
    "The Uninstall program could not be started, so Kestrel's files are still in the folder. "
    "Start it yourself to remove them:";
inline constexpr const char* kNotDeletedText = "These files could not be deleted:";
inline constexpr const char* kLeftInText = "Left in ";

// Files the sweep would delete that neither setup nor the programs made.
inline constexpr const char* kUsersFilesText =
    "These files in the folder were not installed with Kestrel and may be yours:";
inline constexpr const char* kUsersFilesQuestion =
    "Delete them too? Choose No to keep them, and with them the folder.";
// The one file the programs write into their folder themselves: the viewer's
// copy of a help page on its way to the browser.
inline constexpr const char* kHelpPageCopy = "TEMP.HTM";

inline constexpr const char* kLogFileName = "ST5UNST.LOG";
// The viewer's program file, as setup installs it beside this program.
inline constexpr const char* kViewerFileName = "kesview.exe";
inline constexpr const char* kSetupUninstaller = "ST5UNST.EXE";

}  // namespace kesclean
