#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "explorer/win32/child_chrome.h"
#include "shell/win32/handles.h"
#include "shell/win32/layout.h"
#include "shell/win32/mdi_main.h"
#include "snapshot/file_facts_memory.h"
#include "startup/startup_list.h"

namespace startupwin {

// "Startup Programs": a child of the frame with one list of everything that
// starts with Windows, where it comes from and whether it runs now. Its File
// menu writes the list's text, shows the selected file's properties and
// reads everything again; its other menus are the frame's.
class frmStartup : public explorerwin::MdiChild {
 public:
  frmStartup(shellwin::MDIMain& frame, FileFactsMemory& facts);
  ~frmStartup() override;

  // Creates the window in the frame and fills its list.
  void Load();
  // F5: reads the places and the processes again.
  void ReadAgain();

  HWND ListView1() const { return listView1_; }
  const Startup::StartupList& List() const { return list_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls() override;
  void Form_Resize() override;
  void OnCommand(int command);
  bool OnNotify(const NMHDR& header);
  void ShowProperties();

  shellwin::MDIMain& frame_;
  FileFactsMemory& facts_;
  const shellwin::TwipsLayout layout_;
  Startup::StartupList list_;
  HWND listView1_ = nullptr;
  HMENU windowMenu_ = nullptr;
  shellwin::OwnedAccelerators shortcuts_;
};

// The Startup Programs windows of one frame; a closed one goes at the next
// opening or with this list.
class StartupWindows {
 public:
  frmStartup& Open(shellwin::MDIMain& frame, FileFactsMemory& facts);

 private:
  std::vector<std::unique_ptr<frmStartup>> windows_;
};

}  // namespace startupwin
