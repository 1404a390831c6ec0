#pragma once

#include <windows.h>

#include "platform/file_name_rule.h"
#include "settings/registry_api.h"
#include "shell/general/web.h"

namespace shellwin {

// What the shell's windows share: the program's module, the registry layer
// (with the error report and message boxes behind it), the page launcher and
// the path rule of the system's code page.
struct ShellContext {
  HINSTANCE instance;
  RegistryAPI& registry;
  const Subs::WebLauncher& web;
  const platform::FileNameRule& rule;

  const Subs::ErrorReport& Report() const { return registry.Report(); }
  platform::MessageBoxes& Boxes() const { return registry.Report().Boxes(); }
};

inline platform::WindowHandle AsOwner(HWND window) {
  return reinterpret_cast<platform::WindowHandle>(window);
}

}  // namespace shellwin
