#pragma once

#include <cstdint>
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

inline std::vector<std::int16_t> SettingsNow() {
  std::vector<std::int16_t> values;
  for (const std::int16_t* setting : SettingGlobals()) values.push_back(*setting);
  return values;
}

}  // namespace kes_test
