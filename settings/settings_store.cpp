#include "settings/settings_store.h"

#include <iterator>

#include "platform/message_box.h"
#include "shell/general/failure_handler.h"

namespace Subs {

std::int16_t giToolbar = 0;
std::int16_t giStatusBar = 0;
std::int16_t giIDView = 0;
std::int16_t giShowMsg1 = 0;
std::int16_t giShowMsg2 = 0;
std::int16_t giShowMsg3 = 0;
std::int16_t giShowMsg4 = 0;
std::int16_t giShowMsg5 = 0;

namespace {

constexpr const char* kModule = "Subs";

struct Setting {
  const char* valueName;
  const char* defaultText;
  std::int16_t* slot;
};

// The loading order; "Path" follows them.
const Setting kSettings[] = {
    {"Toolbar", "1", &giToolbar},   {"StatusBar", "1", &giStatusBar},
    {"IDView", "0", &giIDView},     {"ShowMsg1", "1", &giShowMsg1},
    {"ShowMsg2", "1", &giShowMsg2}, {"ShowMsg3", "1", &giShowMsg3},
    {"ShowMsg4", "1", &giShowMsg4}, {"ShowMsg5", "1", &giShowMsg5},
};

}  // namespace

bool CreateRegKeys(RegistryAPI& api) {
  return Subs::WithFailureHandler(api.Report(), kModule, "CreateRegKeys", false, [&] {
    if (api.RegKeyExist(platform::kHkeyLocalMachine, kSettingsKey)) {
      return true;
    }
    if (!api.CreateNewKey(platform::kHkeyLocalMachine, kSettingsKey)) {
      api.Report().Boxes().Show(0, "Couldn't Create Registry Key!", "Error",
                                platform::kMbOk | platform::kMbIconStop);
      return false;
    }
    return true;
  });
}

bool LoadGlobalsFromRegistry(RegistryAPI& api, const std::string& programPath) {
  return Subs::WithFailureHandler(api.Report(), kModule, "LoadGlobalsFromRegistry", false, [&] {
    for (const Setting& setting : kSettings) {
      if (!api.GetSetRegValue(platform::kHkeyLocalMachine, kSettingsKey, setting.valueName,
                              setting.defaultText, *setting.slot)) {
        return false;
      }
    }
    // Written only when missing; what is read back is not kept.
    std::string storedPath;
    return api.GetSetRegValue(platform::kHkeyLocalMachine, kSettingsKey, "Path", programPath,
                              storedPath);
  });
}

std::string ShowMsgValueName(int kind) {
  if (ShowMsgSetting(kind) == nullptr) {
    return {};
  }
  return "ShowMsg" + std::to_string(kind);
}

std::int16_t* ShowMsgSetting(int kind) {
  constexpr int kFirstMessage = 3;  // index of "ShowMsg1" in kSettings
  constexpr int kMessages = 5;
  static_assert(std::size(kSettings) == kFirstMessage + kMessages);
  if (kind < 1 || kind > kMessages) {
    return nullptr;
  }
  return kSettings[kFirstMessage + kind - 1].slot;
}

bool SwitchOffMessage(RegistryAPI& api, int kind) {
  std::int16_t* setting = ShowMsgSetting(kind);
  if (setting == nullptr) {
    return false;
  }
  const bool written = api.SetKeyValue(platform::kHkeyLocalMachine, kSettingsKey,
                                       ShowMsgValueName(kind), "0", platform::kRegSz);
  *setting = 0;
  return written;
}

}  // namespace Subs
