#include "explorer/explorer_menus.h"

namespace Explorer {

namespace {

using Subs::FrameMenu;
using Subs::FrameMenuSpec;
using Subs::MenuItemSpec;

constexpr MenuItemSpec kSeparator{nullptr, true, nullptr};

// Unlike the frame's, this File menu's report item can be chosen; the
// properties stand above Exit, as in the platform's own file windows. Open
// Report is the frame's (its Ctrl+O is the frame's shortcut). A window that
// shows a report greys Snapshot Again.
constexpr std::array<MenuItemSpec, 9> kFileItems{{
    {"&Open Report...", true, "Ctrl+O"},
    {"Snapshot &Again", true, "F5"},
    {"Co&mpare With...", true, nullptr},
    kSeparator,
    {"&Print To File...", true, nullptr},
    kSeparator,
    {"P&roperties...", true, "Alt+Enter"},
    kSeparator,
    {"E&xit", true, nullptr},
}};
constexpr std::array<MenuItemSpec, 4> kEditItems{{
    {"&Copy", true, "Ctrl+C"},
    kSeparator,
    {"&Find...", true, "Ctrl+F"},
    {"Find &Next", true, "F3"},
}};
// The keys the menus name beside their items.
constexpr std::uint16_t kKeyF3 = 0x72;
constexpr std::uint16_t kKeyF5 = 0x74;
constexpr std::uint16_t kKeyEnter = 0x0D;
constexpr std::array<MenuShortcut, 5> kShortcuts{{
    {FrameMenu::kFile, kFileSnapshotAgain, kKeyF5, false, false},
    {FrameMenu::kFile, kFileProperties, kKeyEnter, false, true},
    {FrameMenu::kEdit, kEditCopy, 'C', true, false},
    {FrameMenu::kEdit, kEditFind, 'F', true, false},
    {FrameMenu::kEdit, kEditFindNext, kKeyF3, false, false},
}};
// The separator and the ordering item sit the other way round from the
// frame's; the items that can be chosen keep the frame's indexes.
constexpr std::array<MenuItemSpec, 7> kHelpWebItems{{
    {"Our &Home Page", true, nullptr},
    kSeparator,
    {"&Kestrel Home Page", true, nullptr},
    kSeparator,
    {"&Order...", false, nullptr},
    {"Other &Products", true, nullptr},
    {"&Technical Support", false, nullptr},
}};

constexpr FrameMenuSpec kWebMenu{FrameMenu::kHelpWeb, "", true, kHelpWebItems};

// A right-click's menu: the items of the menu bar it repeats, the first one
// the default.
constexpr std::array<ContextItem, 4> kContextItems{{
    {FrameMenu::kFile, kFileProperties},
    {FrameMenu::kEdit, kEditCopy},
    {FrameMenu::kEdit, kEditFind},
    {FrameMenu::kFile, kFileSnapshotAgain},
}};

}  // namespace

std::span<const FrameMenuSpec> ExplorerMenuBar() {
  // The View, Tools, Window and Help menus are the frame's own, so their
  // items keep the indexes its hooks expect; the Edit menu is this window's.
  static const std::array<FrameMenuSpec, 6> bar = [] {
    std::array<FrameMenuSpec, 6> menus{};
    std::size_t next = 0;
    menus[next++] = {FrameMenu::kFile, "&File", true, kFileItems};
    menus[next++] = {FrameMenu::kEdit, "&Edit", true, kEditItems};
    for (const FrameMenuSpec& menu : Subs::FrameMenuBar()) {
      if (menu.menu != FrameMenu::kFile && menu.menu != FrameMenu::kEdit && next < menus.size()) {
        menus[next++] = menu;
      }
    }
    return menus;
  }();
  return bar;
}
const FrameMenuSpec& ExplorerWebSubmenu() { return kWebMenu; }
std::span<const MenuShortcut> ExplorerShortcuts() { return kShortcuts; }
std::span<const ContextItem> ExplorerContextMenu() { return kContextItems; }
std::span<const ContextItem> DifferencesContextMenu() {
  return std::span<const ContextItem>(kContextItems).subspan(1, 1);
}

const char* ItemCaption(const ContextItem& item) {
  for (const FrameMenuSpec& menu : ExplorerMenuBar()) {
    if (menu.menu == item.menu && item.index >= 0 &&
        static_cast<std::size_t>(item.index) < menu.items.size()) {
      return menu.items[static_cast<std::size_t>(item.index)].caption;
    }
  }
  return nullptr;
}

MenuRoute RouteMenuChoice(FrameMenu menu, int index) {
  const auto index16 = static_cast<std::int16_t>(index);
  if (menu == FrameMenu::kEdit) {
    const auto action = index == kEditCopy       ? MenuRoute::Action::kCopy
                        : index == kEditFind     ? MenuRoute::Action::kFind
                        : index == kEditFindNext ? MenuRoute::Action::kFindNext
                                                 : MenuRoute::Action::kNothing;
    return {action, index16};
  }
  if (menu != FrameMenu::kFile) {
    return {MenuRoute::Action::kForward, index16};
  }
  if (index == kFileOpenReport) {
    return {MenuRoute::Action::kForward, static_cast<std::int16_t>(Subs::kFileOpenReport)};
  }
  if (index == kFileSnapshotAgain) {
    return {MenuRoute::Action::kSnapshotAgain, index16};
  }
  if (index == kFileCompareWith) {
    return {MenuRoute::Action::kCompareWith, index16};
  }
  if (index == kFilePrintToFile) {
    return {MenuRoute::Action::kPrintToFile, index16};
  }
  if (index == kFileProperties) {
    return {MenuRoute::Action::kProperties, index16};
  }
  if (index == kFileExitItem) {
    return {MenuRoute::Action::kForward, static_cast<std::int16_t>(Subs::kFileExit)};
  }
  return {MenuRoute::Action::kNothing, index16};
}

std::array<std::string, 4> StatusPanels(std::int32_t tasks, std::int32_t processes,
                                        std::int32_t uniqueModules) {
  return {"Totals:", "Top Windows: " + std::to_string(tasks),
          "Processes: " + std::to_string(processes), "Modules: " + std::to_string(uniqueModules)};
}

}  // namespace Explorer
