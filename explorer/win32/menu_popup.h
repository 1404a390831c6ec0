#pragma once

#include <windows.h>

#include <span>

#include "shell/frame_menus.h"

namespace explorerwin {

// Command numbers of a child window's menu items: from 1000 up, 100 to a
// menu (in the order of Subs::FrameMenu), so the frame passes them on.
inline constexpr int kMenuBase = 1000;
inline constexpr int kMenuStride = 100;
inline int ChildMenuCommand(Subs::FrameMenu menu, int index) {
  return kMenuBase + kMenuStride * static_cast<int>(menu) + index;
}

// A child window's menu bar from its menus' layout: the Help menu carries
// the web submenu `web`. Hands back the Window and View popups.
struct ChildMenus {
  HMENU bar = nullptr;
  HMENU window = nullptr;
  HMENU view = nullptr;
};
ChildMenus BuildChildMenus(std::span<const Subs::FrameMenuSpec> menus,
                           const Subs::FrameMenuSpec& web);

}  // namespace explorerwin
