#pragma once

#include <windows.h>

#include "shell/win32/handles.h"

namespace shellwin {

// The hand cursor shown over web links, made from the program's own picture.
OwnedCursor LoadHandCursor(HINSTANCE instance);

// A label that looks and acts as a web link: blue, underlined, hand cursor.
// Its parent passes its messages through Handle; clicks arrive as STN_CLICKED.
class WebLink {
 public:
  WebLink() = default;
  WebLink(HINSTANCE instance, HWND label);

  HWND Label() const { return label_; }
  // WM_SETCURSOR and WM_CTLCOLORSTATIC for the label; true when handled.
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

 private:
  HWND label_ = nullptr;
  OwnedFont font_;
  OwnedCursor picCursor_;
};

}  // namespace shellwin
