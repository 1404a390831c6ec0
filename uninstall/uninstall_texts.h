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

inline constexpr const char* kLogFileName = "ST5UNST.LOG";
inline constexpr const char* kSetupUninstaller = "ST5UNST.EXE";

}  // namespace kesclean
