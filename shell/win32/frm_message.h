#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "shell/win32/shell_context.h"
#include "shell/win32/window.h"

namespace shellwin {

// The message window: a text and a "Don't Show This Message Again" box that
// switches its kind off for good. Set the fields, then ShowModal; each
// object is shown once.
class frmMessage : public Window {
 public:
  explicit frmMessage(const ShellContext& context);

  std::int16_t mnWarning = 0;  // message kind 1..5
  std::string msMessage;
  bool mbShowCheckBox = false;

  // Shows the window modally over `owner` (centred on it, or on the screen
  // when null) and returns once it has closed.
  void ShowModal(HWND owner);

  static constexpr const char* kCaption = "Kestrel Message";
  static constexpr int kCheckBoxId = 101;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Load(HWND owner);
  // Close button, Esc and the close box all end here.
  void Close();

  const ShellContext& context_;
  HWND chkDontShow_ = nullptr;
  bool closed_ = false;
};

// The notice shown before a web page opens, unless the user switched it off.
void ShowWebNotice(const ShellContext& context, HWND owner);

// The web notice, then the address in the browser.
void OpenWebPage(const ShellContext& context, HWND owner, const std::string& address);

}  // namespace shellwin
