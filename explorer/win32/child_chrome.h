#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "shell/frame_menus.h"
#include "shell/win32/layout.h"
#include "shell/win32/mdi_main.h"

namespace explorerwin {

// What the frame's child windows share: their menu bar and its command
// numbers, the choices they pass to the frame, and the status bar's panels.

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

// Passes a choice in one of the frame's menus (View, Tools, Window, Help,
// web) to the frame's hook for it; the File and Edit menus are the child's.
void ForwardToFrame(shellwin::MDIMain& frame, Subs::FrameMenu menu, std::int16_t index);

// Splits the status bar into panels `widths` twips wide; a negative width
// takes the rest.
void SplitStatusBar(HWND bar, const shellwin::TwipsLayout& layout, std::span<const int> widths);

}  // namespace explorerwin
