#include "platform/win32/common_controls.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "platform/win32/system_function.h"

namespace platform {

void InitCommonControlClasses() {
  // Importing InitCommonControls also makes sure the library is loaded.
  InitCommonControls();
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  if (const auto initEx = SystemFunction<InitEx>("comctl32.dll", "InitCommonControlsEx")) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    initEx(&controls);
  }
}

}  // namespace platform
