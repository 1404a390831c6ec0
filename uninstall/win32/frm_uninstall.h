#pragma once

#include <windows.h>

#include <string>

#include "shell/win32/window.h"

namespace kesclean {

// The small window shown while the uninstaller cleans up: one label, the
// caption set when it is shown. Loaded hidden by the constructor, released
// by the destructor.
class frmUninstall : public shellwin::Window {
 public:
  explicit frmUninstall(HINSTANCE instance);

  // Shows the window, not modal, with the caption.
  void Show(const std::string& caption);

  HWND lbl() const { return lbl_; }

  static constexpr const char* kClassName = "KestrelUninstall";
  static constexpr int kWidthTwips = 4815;
  static constexpr int kHeightTwips = 1140;

 private:
  HWND lbl_ = nullptr;
};

}  // namespace kesclean
