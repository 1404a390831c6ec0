#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "shell/frame_menus.h"

namespace Explorer {

// The explorer window's own menu bar, shown while it is the active child:
// File, Edit, View, Tools, Window and Help, each an array whose indexes are
// passed to the frame's hooks, but for the Edit menu's, which are the
// window's own. The web submenu hangs from Help item kHelpWebItem.
std::span<const Subs::FrameMenuSpec> ExplorerMenuBar();
const Subs::FrameMenuSpec& ExplorerWebSubmenu();

inline constexpr int kFileOpenReport = 0;  // forwarded as the frame's Open Report
inline constexpr int kFileSnapshotAgain = 1;
inline constexpr int kFileCompareWith = 2;
inline constexpr int kFilePrintToFile = 4;
inline constexpr int kFileProperties = 6;
inline constexpr int kFileExitItem = 8;  // forwarded as the frame's Exit
inline constexpr int kEditCopy = 0;
inline constexpr int kEditFind = 2;
inline constexpr int kEditFindNext = 3;

// A key that chooses a menu item: the platform's virtual key code with the
// Ctrl and Alt keys it needs.
struct MenuShortcut {
  Subs::FrameMenu menu;
  int index;
  std::uint16_t virtualKey;
  bool control;
  bool alt;
};
std::span<const MenuShortcut> ExplorerShortcuts();

// An item of a right-click's menu, by the menu bar item it repeats.
struct ContextItem {
  Subs::FrameMenu menu;
  int index;
};
// The explorer's: Properties (the default), Copy, Find, Snapshot Again.
std::span<const ContextItem> ExplorerContextMenu();
// The Differences window's: Copy.
std::span<const ContextItem> DifferencesContextMenu();
// The caption of the menu bar item, or null.
const char* ItemCaption(const ContextItem& item);

// What a menu choice does: take another snapshot, write the report, compare
// with another snapshot,
// show the selected file's properties, copy, open the find box, find the next
// match, pass an index on to the frame's hook for that menu, or nothing.
struct MenuRoute {
  enum class Action {
    kSnapshotAgain,
    kPrintToFile,
    kCompareWith,
    kProperties,
    kCopy,
    kFind,
    kFindNext,
    kForward,
    kNothing
  };
  Action action;
  std::int16_t index;
  bool operator==(const MenuRoute&) const = default;
};
MenuRoute RouteMenuChoice(Subs::FrameMenu menu, int index);

// The status bar's four panels: "Totals:" and the three collections' sizes.
std::array<std::string, 4> StatusPanels(std::int32_t tasks, std::int32_t processes,
                                        std::int32_t uniqueModules);

}  // namespace Explorer
