#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "shell/frame_menus.h"
#include "shell/win32/layout.h"
#include "shell/win32/mdi_main.h"
#include "shell/win32/window.h"

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
// The menu and item a child's command number (kMenuBase and up) stands for.
struct MenuChoice {
  Subs::FrameMenu menu;
  std::int16_t index;
};
inline MenuChoice ChoiceOfCommand(int command) {
  const int offset = command - kMenuBase;
  return {static_cast<Subs::FrameMenu>(offset / kMenuStride),
          static_cast<std::int16_t>(offset % kMenuStride)};
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

// The style of a child window of the frame, and the identifiers of the tree,
// list and status bar it holds.
inline constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// The style of a new child in the frame's workspace `client`: maximized
// while the active child is, as the system's own children open.
DWORD ChildStyleIn(HWND client);
inline constexpr int kTreeId = 1;
inline constexpr int kListId = 2;
inline constexpr int kStatusId = 3;

// A child window of the frame with a menu bar of its own, shown while it is
// the active child. It keeps the frame's windows and menu from Attach on,
// so that it can leave while the frame itself goes.
class MdiChild : public shellwin::Window {
 public:
  HMENU Menu() const { return menu_; }

 protected:
  void Attach(shellwin::MDIMain& frame);
  // Leaves through the frame's workspace, which then activates the next
  // child, and releases the menu bar unless the frame still shows it. A
  // derived destructor calls it while its members are still there.
  void DestroyChild();
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Creates the controls on WM_CREATE and lays them out after each WM_SIZE;
  // a derived window passes the messages it does not handle on to here.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void CreateControls() = 0;
  virtual void Form_Resize() = 0;

  // Shows this window's menu bar (with its Window popup listing the children)
  // as the frame's.
  void ShowOwnMenu(HMENU windowMenu) const;
  // The frame's own menu bar, as while no child is active.
  void ShowFrameMenu() const;
  // On WM_DESTROY: the frame's own menu bar if it shows this window's.
  void LeaveFrameMenu() const;
  // On WM_MDIACTIVATE (`activated`: its lParam): this window's bar while it
  // is the active child, the frame's while no child is.
  void FollowActivation(LPARAM activated, HMENU windowMenu) const;

  HWND frameWindow_ = nullptr;
  HWND client_ = nullptr;
  HMENU frameMenu_ = nullptr;
  HMENU menu_ = nullptr;
};

// Splits the status bar into panels `widths` twips wide; a negative width
// takes the rest.
void SplitStatusBar(HWND bar, const shellwin::TwipsLayout& layout, std::span<const int> widths);

}  // namespace explorerwin
