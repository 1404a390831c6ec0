#pragma once

#include <windows.h>

namespace shellwin {

// Gives a toolbar `count` square pictures of `size` pixels from the strip
// bitmap `resource` of `instance`, in the way the toolbar of comctl32 4.00
// takes them: TB_SETIMAGELIST came with 4.70, and Windows 95's toolbar
// passes it on unanswered, leaving every button blank. The toolbar loads
// the strip itself and frees it with the window. Call before the buttons are
// added.
void AddToolbarPictures(HWND toolbar, HINSTANCE instance, int resource, int count, int size);

}  // namespace shellwin
