#include "shell/frame_menus.h"

#include <array>

#include "shell/app_strings.h"

namespace Subs {

namespace {

constexpr MenuItemSpec kSeparator{nullptr, true, nullptr};

// Open Report stands first, as opening does in the platform's file menus.
constexpr std::array<MenuItemSpec, 4> kFileItems{{
    {"&Open Report...", true, "Ctrl+O"},
    {"&Print To File...", false, nullptr},
    kSeparator,
    {"E&xit", true, nullptr},
}};
constexpr std::array<MenuItemSpec, 4> kViewItems{{
    {"Kestrel &Explorer", true, nullptr},
    kSeparator,
    {"&Toolbar", true, nullptr},
    {"&Status Bar", true, nullptr},
}};
constexpr std::array<MenuItemSpec, 2> kToolsItems{{
    {"&Options", true, nullptr},
    {"&Startup Programs", true, nullptr},
}};
constexpr std::array<MenuItemSpec, 4> kWindowItems{{
    {"Tile &Horizontal", true, nullptr},
    {"Tile &Vertical", true, nullptr},
    {"&Cascade", true, nullptr},
    {"&Arrange Icons", true, nullptr},
}};
// Item 2's caption names the maker; the frame builds it with WebSubmenuCaption.
constexpr std::array<MenuItemSpec, 5> kHelpItems{{
    {"&Contents / Index", true, "F1"},
    kSeparator,
    {"", true, nullptr},
    kSeparator,
    {"&About Kestrel", true, nullptr},
}};
constexpr std::array<MenuItemSpec, 7> kHelpWebItems{{
    {"Our &Home Page", true, nullptr},
    kSeparator,
    {"&Kestrel Home Page", true, nullptr},
    {"&Order Kestrel", false, nullptr},
    kSeparator,
    {"Other &Products", true, nullptr},
    {"&Technical Support", false, nullptr},
}};

constexpr std::array<FrameMenuSpec, 6> kMenuBar{{
    {FrameMenu::kFile, "&File", true, kFileItems},
    {FrameMenu::kEdit, "&Edit", false, {}},
    {FrameMenu::kView, "&View", true, kViewItems},
    {FrameMenu::kTools, "&Tools", true, kToolsItems},
    {FrameMenu::kWindow, "&Window", true, kWindowItems},
    {FrameMenu::kHelp, "&Help", true, kHelpItems},
}};
constexpr FrameMenuSpec kWebMenu{FrameMenu::kHelpWeb, "", true, kHelpWebItems};

constexpr std::array<ToolbarButtonSpec, 6> kButtons{{
    {"Explore", "Show Kestrel Explorer", 2},
    {"Again", "Snapshot Again", 4},
    {nullptr, nullptr, 0},
    {"Options", nullptr, 5},
    {nullptr, nullptr, 0},
    {"About", nullptr, 6},
}};

}  // namespace

std::span<const FrameMenuSpec> FrameMenuBar() { return kMenuBar; }
const FrameMenuSpec& WebSubmenu() { return kWebMenu; }
std::vector<FrameMenuSpec> ChildMenuBar(std::span<const MenuItemSpec> fileItems,
                                        std::span<const MenuItemSpec> editItems) {
  std::vector<FrameMenuSpec> menus{{FrameMenu::kFile, "&File", true, fileItems}};
  if (!editItems.empty()) {
    menus.push_back({FrameMenu::kEdit, "&Edit", true, editItems});
  }
  for (const FrameMenuSpec& menu : kMenuBar) {
    if (menu.menu != FrameMenu::kFile && menu.menu != FrameMenu::kEdit) {
      menus.push_back(menu);
    }
  }
  return menus;
}

std::string WebSubmenuCaption() { return std::string("&") + kMakerName + " On The Web"; }

std::string WebAddressForIndex(int index) {
  std::string site = kWebSite;
  switch (index) {
    case 0:
      return site;
    case 2:
      return site + "/kestrel";
    case 3:
      return site + "/kestrel/order.htm";
    case 5:
      return site + "/software.htm";
    case 6:
      return site + "/kestrel/support.htm";
    default:
      return "";
  }
}

std::span<const ToolbarButtonSpec> ToolbarButtons() { return kButtons; }

std::string StatusBarWebText() { return std::string("Visit us at ") + kWebSite; }

}  // namespace Subs
