#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "explorer/explorer_menus.h"

namespace explorerwin {

// What a child window's tree and list do with the keyboard, the clipboard
// and a right-click, as in the platform's own file windows.

// Tab and F6 move the focus from the tree to the list and back, Shift+Tab and
// Shift+F6 the other way (with two controls the same). True when `msg` was
// such a key for one of them.
bool MoveFocusByKey(const MSG& msg, HWND tree, HWND list);

// What Copy takes from the control with the focus: the tree's selected
// node's text, or the list's selected rows (Explorer::CopiedRows); nothing
// when neither has the focus or nothing is selected.
std::optional<std::string> CopyTextOf(HWND tree, HWND list);

// Puts the text on the clipboard as CF_TEXT (the system makes CF_OEMTEXT of
// it); false when the clipboard could not be had.
bool PutOnClipboard(HWND owner, const std::string& text);

// Where WM_CONTEXTMENU from `control` opens its menu: the mouse's place,
// with the tree node under it selected first, or, from the keyboard, below
// the focused node or row. Nothing when the click is on no node or row.
std::optional<POINT> ContextMenuPlace(HWND control, LPARAM lParam, HWND tree, HWND list);

// Opens a menu of `items` at `at` (the first the default); a choice comes
// to `owner` as the WM_COMMAND of the menu bar's item. `enabled` greys the
// items it refuses.
void ShowContextMenu(HWND owner, std::span<const Explorer::ContextItem> items, POINT at,
                     const std::function<bool(const Explorer::ContextItem&)>& enabled);

}  // namespace explorerwin
