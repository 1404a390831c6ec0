#pragma once

#include <span>
#include <string>
#include <vector>

namespace Subs {

// One item of a menu array; its index is its position in the array.
struct MenuItemSpec {
  const char* caption;  // nullptr for a separator
  bool enabled;
  const char* shortcut;  // shown after a tab, or nullptr
};

// The frame window's menus, each an array whose indexes the explorer windows
// pass through the frame's hooks.
enum class FrameMenu { kFile, kEdit, kView, kTools, kWindow, kHelp, kHelpWeb };

struct FrameMenuSpec {
  FrameMenu menu;
  const char* caption;
  bool enabled;
  std::span<const MenuItemSpec> items;
};

// The menu bar from left to right (the web submenu is not on it: it hangs
// from the Help menu's item kHelpWebItem).
std::span<const FrameMenuSpec> FrameMenuBar();
const FrameMenuSpec& WebSubmenu();
inline constexpr int kHelpWebItem = 2;
// The bar of a child window with a File menu of its own: that menu, then
// the frame's View, Tools, Window and Help menus with the frame's indexes.
std::vector<FrameMenuSpec> ChildMenuBar(std::span<const MenuItemSpec> fileItems,
                                        std::span<const MenuItemSpec> editItems = {});
// "&" + maker's name + " On The Web".
std::string WebSubmenuCaption();

// Menu item indexes with an action.
inline constexpr int kFileOpenReport = 0;
inline constexpr int kFileExit = 3;
inline constexpr int kViewExplorer = 0;
inline constexpr int kViewToolbar = 2;
inline constexpr int kViewStatusBar = 3;
inline constexpr int kToolsOptions = 0;
inline constexpr int kToolsStartup = 1;
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpAbout = 4;

// The address that web submenu item `index` opens; the separators (1 and 4)
// and any other index give the empty address.
std::string WebAddressForIndex(int index);

// Toolbar buttons by 0-based position; spacers have no caption.
struct ToolbarButtonSpec {
  const char* caption;  // nullptr for a spacer
  const char* toolTip;  // nullptr for none
  int image;            // 1-based image of the frame's image list; 0 for none
};
std::span<const ToolbarButtonSpec> ToolbarButtons();
inline constexpr int kButtonExplore = 1;  // 1-based button indexes
inline constexpr int kButtonAgain = 2;    // the active explorer window's Snapshot Again
inline constexpr int kButtonOptions = 4;
inline constexpr int kButtonAbout = 6;

// The status bar's first panel: "Visit us at " + the web site.
std::string StatusBarWebText();
// The third panel shows the about window's version line (VersionLine).

// "Kestrel(tm) " and the notice in the frame's caption.
inline constexpr const char* kFrameCaption = "Kestrel(tm) - What's Running In Memory";

}  // namespace Subs
