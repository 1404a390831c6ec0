#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "settings/registry_api.h"

namespace Subs {

// The settings key: HKEY_LOCAL_MACHINE (platform::kHkeyLocalMachine) with
// this path. Every registry caller uses it.
inline constexpr const char* kSettingsKey = "SOFTWARE\\Kestrel";

// The in-memory settings, 0 until LoadGlobalsFromRegistry has run. Only
// LoadGlobalsFromRegistry and the message window (SwitchOffMessage) assign
// them.
extern std::int16_t giToolbar;
extern std::int16_t giStatusBar;
extern std::int16_t giIDView;
extern std::int16_t giShowMsg1;
extern std::int16_t giShowMsg2;
extern std::int16_t giShowMsg3;
extern std::int16_t giShowMsg4;
extern std::int16_t giShowMsg5;

// Makes sure the settings key exists; true if it does afterwards. On failure
// shows "Couldn't Create Registry Key!" (title "Error", stop icon).
bool CreateRegKeys(RegistryAPI& api);

// Loads every setting in its fixed order, writing the default of each missing
// value; stops with false at the first value that cannot be loaded. A missing
// "Path" is written as `programPath`, the running program's own file (its
// folder, a backslash, its file name without extension and ".exe").
bool LoadGlobalsFromRegistry(RegistryAPI& api, const std::string& programPath);

// The registry value name of message kind 1..5 ("ShowMsg" + digit) and its
// in-memory setting; null / empty for any other kind.
std::string ShowMsgValueName(int kind);
std::int16_t* ShowMsgSetting(int kind);

// The user asked not to see message `kind` (1..5) again: writes "0" as its
// value and sets its in-memory setting to 0 for the rest of this run. Returns
// the result of the write; any other kind does nothing and returns false.
bool SwitchOffMessage(RegistryAPI& api, int kind);

}  // namespace Subs
