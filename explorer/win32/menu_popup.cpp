#include "explorer/win32/menu_popup.h"

#include <string>

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

}  // namespace explorerwin
