#pragma once

#include <windows.h>

#include <functional>

#include "explorer/node_find.h"
#include "shell/win32/window.h"

namespace explorerwin {

// The explorer's modeless find box: the text, Match case, the direction,
// Find Next and Cancel. It belongs to one explorer window and keeps what
// was asked last while it is hidden.
class frmFind : public shellwin::Window {
 public:
  // What the box asks of its explorer window.
  struct Host {
    // Find Next, or Enter.
    std::function<void(const Explorer::FindRequest&)> findNext;
    // The window's own shortcuts, for a key pressed in the box.
    std::function<bool(MSG&)> shortcut;
    // Cancel, Esc or the close box: the box is hidden.
    std::function<void()> closed;
  };

  frmFind(HINSTANCE instance, Host host);

  // Shows the box over the frame `owner` (made the first time), with the
  // focus in the text, which it selects.
  void Show(HWND owner);
  Explorer::FindRequest Request() const;

  HWND TextBox() const { return text_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Load(HWND owner);
  void Hide();

  HINSTANCE instance_;
  Host host_;
  HWND text_ = nullptr;
  HWND matchCase_ = nullptr;
  HWND up_ = nullptr;
  HWND findNext_ = nullptr;
};

}  // namespace explorerwin
