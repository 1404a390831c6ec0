#pragma once

#include <windows.h>

#include <string>

#include "platform/progress.h"
#include "shell/win32/handles.h"
#include "shell/win32/shell_context.h"
#include "shell/win32/web_link.h"
#include "shell/win32/window.h"

namespace shellwin {

class frmAbout;

// The waiting window shown while an explorer window takes its snapshot. The
// snapshot code reports what it reads through platform::Progress, which
// lands in lblStatus. Loaded by the constructor, unloaded by the destructor.
class frmSplash2 : public Window, public platform::Progress {
 public:
  // `about` supplies the logo. Owned by `owner` (the frame), the window is
  // no task: the top-window list passes over owned windows.
  frmSplash2(const ShellContext& context, const frmAbout& about, HWND owner);
  ~frmSplash2() override;

  // Shows the window without making it modal.
  void Show();

  // Shows the text in lblStatus and lets pending messages run.
  void Report(const std::string& text) override;

  HWND lblStatus() const { return lblStatus_; }

  std::string msURL;

  static constexpr const char* kCaption = "Please wait...";
  static constexpr int kStatusId = 101;
  static constexpr int kWebLinkId = 102;
  static constexpr int kInfoId = 103;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Load(const frmAbout& about, HWND owner);

  const ShellContext& context_;
  OwnedBitmap pic_;
  WebLink lblWebLink_;
  HWND lblStatus_ = nullptr;
};

}  // namespace shellwin
