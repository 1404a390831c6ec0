#pragma once

#include <windows.h>

#include "settings/registry_api.h"
#include "shell/general/web.h"

namespace shellwin {

// What the shell's windows share: the program's module, the registry layer
// (with the error report and message boxes behind it) and the page launcher.
struct ShellContext {
  HINSTANCE instance;
  RegistryAPI& registry;
  const Subs::WebLauncher& web;

  const Subs::ErrorReport& Report() const { return registry.Report(); }
  platform::MessageBoxes& Boxes() const { return registry.Report().Boxes(); }
};

inline platform::WindowHandle AsOwner(HWND window) {
  return reinterpret_cast<platform::WindowHandle>(window);
}

}  // namespace shellwin
