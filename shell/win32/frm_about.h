#pragma once

#include <windows.h>

#include "shell/win32/handles.h"
#include "shell/win32/shell_context.h"
#include "shell/win32/web_link.h"
#include "shell/win32/window.h"

namespace shellwin {

// The about window: version, web link and contact details. Loaded hidden;
// OK only hides it, so it keeps its state for the next showing.
class frmAbout : public Window {
 public:
  explicit frmAbout(const ShellContext& context);
  ~frmAbout() override;

  // Shows the window modally over `owner`; returns once OK has hidden it.
  void ShowModal(HWND owner);

  // The logo of picLogo, which the splash window copies.
  HBITMAP Logo() const { return logo_.get(); }

  static constexpr const char* kCaption = "About";
  static constexpr int kVersionId = 101;
  static constexpr int kWebLinkId = 102;
  static constexpr int kContactId = 103;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Load();
  bool PreviewKey(const MSG& msg);
  void OpenWebLink(int item);

  const ShellContext& context_;
  OwnedBitmap logo_;
  WebLink lblWebLink_;
  bool hidden_ = true;
};

}  // namespace shellwin
