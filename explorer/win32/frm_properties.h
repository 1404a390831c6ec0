#pragma once

#include <windows.h>

#include "explorer/file_properties.h"
#include "shell/win32/layout.h"
#include "shell/win32/window.h"

namespace explorerwin {

// A file's properties: a modal window titled with the file's name over a
// read-only sheet of items and values, closed with OK, Enter or Esc. It can
// be resized, the sheet following; Ctrl+C copies the selected line.
class frmProperties : public shellwin::Window {
 public:
  explicit frmProperties(HINSTANCE instance) : instance_(instance) {}

  // Shows `properties` modally over `owner` until it is closed.
  void ShowModal(HWND owner, const Explorer::FileProperties& properties);

  static constexpr int kSheetId = 10;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HINSTANCE instance_;
  HWND sheet_ = nullptr;
  HWND ok_ = nullptr;
  bool closed_ = false;
};

}  // namespace explorerwin
