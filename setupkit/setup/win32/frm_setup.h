#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace setupwin {

// The setup window: the folder to install in, Browse (the shell's folder
// dialog), OK and Cancel. OK hands the folder's text to `install`, which
// tells the user itself what went wrong; the window closes once it returns
// true. Returns true when installed, false when cancelled.
class frmSetup {
 public:
  static bool Show(HINSTANCE instance, const std::string& folder,
                   std::function<bool(HWND owner, const std::string& folder)> install);
};

}  // namespace setupwin
