#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace kes_test {

// The in-memory settings in their load order.
inline std::vector<std::int16_t*> SettingGlobals() {
  return {&Subs::giToolbar,  &Subs::giStatusBar, &Subs::giIDView,   &Subs::giShowMsg1,
          &Subs::giShowMsg2, &Subs::giShowMsg3,  &Subs::giShowMsg4, &Subs::giShowMsg5};
}

// Puts every setting back to 0, as before the first load of a run.
inline void ResetSettings() {
  for (std::int16_t* setting : SettingGlobals()) *setting = 0;
}

// The settings' value names in their load order, and the texts a first start
// writes for them when the program runs from `program`.
inline const std::vector<std::string> kSettingNames = {"Toolbar",  "StatusBar", "IDView",
                                                       "ShowMsg1", "ShowMsg2",  "ShowMsg3",
                                                       "ShowMsg4", "ShowMsg5",  "Path"};
inline std::vector<std::string> FirstStartTexts(const std::string& program) {
  return {"1", "1", "0", "1", "1", "1", "1", "1", program};
}

inline std::vector<std::int16_t> SettingsNow() {
  std::vector<std::int16_t> values;
  for (const std::int16_t* setting : SettingGlobals()) values.push_back(*setting);
  return values;
}

}  // namespace kes_test
