#include "explorer/win32/child_chrome.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace explorerwin {

namespace {

// One popup of the menu bar; the Help menu carries `web`.
HMENU BuildMenu(const Subs::FrameMenuSpec& menuLayout, HMENU web) {
  HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < menuLayout.items.size(); ++i) {
    const Subs::MenuItemSpec& item = menuLayout.items[i];
    const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
    if (item.caption == nullptr) {
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    } else if (menuLayout.menu == Subs::FrameMenu::kHelp && i == Subs::kHelpWebItem) {
      AppendMenuA(popup, MF_POPUP | state, reinterpret_cast<UINT_PTR>(web),
                  Subs::WebSubmenuCaption().c_str());
    } else {
      const std::string caption = item.shortcut == nullptr
                                      ? item.caption
                                      : item.caption + std::string("\t") + item.shortcut;
      AppendMenuA(popup, MF_STRING | state, ChildMenuCommand(menuLayout.menu, static_cast<int>(i)),
                  caption.c_str());
    }
  }
  return popup;
}

}  // namespace

DWORD ChildStyleIn(HWND client) {
  BOOL maximized = FALSE;
  if (client != nullptr) {
    SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  }
  return kChildStyle | (maximized != FALSE ? WS_MAXIMIZE : 0);
}

ChildMenus BuildChildMenus(std::span<const Subs::FrameMenuSpec> menus,
                           const Subs::FrameMenuSpec& web) {
  ChildMenus built;
  built.bar = CreateMenu();
  HMENU webPopup = BuildMenu(web, nullptr);
  for (const Subs::FrameMenuSpec& menuLayout : menus) {
    HMENU popup = BuildMenu(menuLayout, webPopup);
    if (menuLayout.menu == Subs::FrameMenu::kWindow) {
      built.window = popup;
    } else if (menuLayout.menu == Subs::FrameMenu::kView) {
      built.view = popup;
    }
    AppendMenuA(built.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menuLayout.caption);
  }
  return built;
}

void MdiChild::Attach(shellwin::MDIMain& frame) {
  frameWindow_ = frame.Handle();
  client_ = frame.Client();
  frameMenu_ = frame.FrameMenu();
}

void MdiChild::DestroyChild() {
  if (Handle() != nullptr && IsWindow(client_)) {
    SendMessageA(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
  }
  Destroy();
  if (menu_ != nullptr && !(IsWindow(frameWindow_) && GetMenu(frameWindow_) == menu_)) {
    DestroyMenu(menu_);
  }
  menu_ = nullptr;
}

LRESULT MdiChild::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcA(Handle(), message, wParam, lParam);
}

LRESULT MdiChild::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    CreateControls();
  } else if (message == WM_SIZE) {
    const LRESULT result = Default(message, wParam, lParam);
    Form_Resize();
    return result;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void MdiChild::ShowOwnMenu(HMENU windowMenu) const {
  SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu_),
               reinterpret_cast<LPARAM>(windowMenu));
  DrawMenuBar(frameWindow_);
}

void MdiChild::ShowFrameMenu() const {
  if (frameMenu_ == nullptr || !IsWindow(client_)) {
    return;
  }
  // The frame's own "&Window" popup lists the children while none is active.
  HMENU windowMenu = nullptr;
  const auto bar = Subs::FrameMenuBar();
  for (std::size_t i = 0; i < bar.size(); ++i) {
    if (bar[i].menu == Subs::FrameMenu::kWindow) {
      windowMenu = GetSubMenu(frameMenu_, static_cast<int>(i));
    }
  }
  SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(frameMenu_),
               reinterpret_cast<LPARAM>(windowMenu));
  DrawMenuBar(frameWindow_);
}

void MdiChild::FollowActivation(LPARAM activated, HMENU windowMenu) const {
  if (reinterpret_cast<HWND>(activated) == Handle()) {
    ShowOwnMenu(windowMenu);
  } else if (activated == 0) {
    ShowFrameMenu();
  }
}

void MdiChild::LeaveFrameMenu() const {
  if (IsWindow(frameWindow_) && GetMenu(frameWindow_) == menu_) {
    ShowFrameMenu();
  }
}

void ForwardToFrame(shellwin::MDIMain& frame, Subs::FrameMenu menu, std::int16_t index) {
  switch (menu) {
    case Subs::FrameMenu::kView:
      frame.mnuView_Hook(index);
      break;
    case Subs::FrameMenu::kTools:
      frame.mnuTools_Hook(index);
      break;
    case Subs::FrameMenu::kWindow:
      frame.mnuWindow_Hook(index);
      break;
    case Subs::FrameMenu::kHelp:
      frame.mnuHelp_Hook(index);
      break;
    case Subs::FrameMenu::kHelpWeb:
      frame.mnuHelpWeb_Hook(index);
      break;
    case Subs::FrameMenu::kFile:
    case Subs::FrameMenu::kEdit:
      break;
  }
}

void SplitStatusBar(HWND bar, const shellwin::TwipsLayout& layout, std::span<const int> widths) {
  std::vector<int> edges;
  int right = 0;
  for (const int width : widths) {
    right += width < 0 ? 0 : layout.X(width);
    edges.push_back(width < 0 ? -1 : right);
  }
  SendMessageA(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

}  // namespace explorerwin
