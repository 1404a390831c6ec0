#pragma once

#include <windows.h>

#include <functional>

namespace shellwin {

// Shows `window` modally over `owner` (which is disabled meanwhile) and runs
// messages until `done` turns true. `preview` sees every message first, as
// the window's keyboard preview, and returns true for those it handled; the
// dialog keys (Tab, Enter, Esc) then work as in a dialog. A WM_QUIT ends the
// loop and is posted again for the caller's loop.
void RunModal(HWND window, HWND owner, const bool& done,
              const std::function<bool(const MSG&)>& preview);

// Asks every visible window of this thread that `owner` owns, itself or
// through another owned window, to close (a posted WM_CLOSE): the modal
// windows shown over it end their loops.
void CloseOwnedWindows(HWND owner);

// Lets pending window messages run, so that a change is painted during long
// work.
void DoEvents();

}  // namespace shellwin
