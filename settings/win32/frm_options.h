#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "settings/options.h"
#include "shell/win32/handles.h"
#include "shell/win32/shell_context.h"
#include "shell/win32/window.h"

namespace settingswin {

// The options dialog: the five shortcut boxes on the page "System Options",
// the ID display on the page "Display". OK saves and closes; Cancel and Esc
// close without writing; Help and F1 open "options.htm". Each object is shown
// once.
class frmOptions : public shellwin::Window, private Subs::OptionsForm {
 public:
  frmOptions(const shellwin::ShellContext& context, Subs::OptionsServices& services);
  ~frmOptions() override;

  // Loads the dialog and shows it modally over `owner`; returns once it has
  // closed.
  void ShowModal(HWND owner);

  static constexpr const char* kCaption = "Kestrel Options";
  static constexpr const char* kClassName = "KestrelOptions";
  // Control numbers; the shortcut boxes are kShortcutBoxId + chkshortcut
  // index, the snapshot boxes kGetBoxId + chkGet index. Every control but the
  // tab strip, the pages and the buttons lies on a page.
  static constexpr int kTabStripId = 100;
  static constexpr int kPageId = 110;  // + page 0..4
  static constexpr int kShortcutBoxId = 120;
  static constexpr int kIdViewId = 130;
  static constexpr int kGetBoxId = 140;
  static constexpr int kOkId = IDOK;
  static constexpr int kCancelId = IDCANCEL;
  static constexpr int kHelpId = 150;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr int kPages = 5;
  static constexpr int kShortcutBoxes = 6;  // index 4 unused

  void Load(HWND owner);
  void CreateControls();
  void CreateShortcutPage(HWND page);
  void CreateDisplayPage(HWND page);
  void ShowSelectedPage();
  bool PreviewKey(const MSG& msg);
  void Ok();
  void Help();

  std::int16_t ShortcutBox(int index) override;
  void SetShortcutBox(int index, std::int16_t value) override;
  void GreyShortcutBox(int index) override;
  int IdViewIndex() override;
  void SelectIdView(int index) override;

  const shellwin::ShellContext& context_;
  Subs::OptionsServices& services_;
  shellwin::OwnedFont boldFont_;
  HWND tabStrip_ = nullptr;
  std::array<HWND, kPages> fra_{};
  std::array<HWND, kShortcutBoxes> chkshortcut_{};
  HWND cboHex_ = nullptr;
  bool closed_ = false;
};

// Opens the options dialog for the viewer over `owner`: the file system, and
// the shell-link library beside the program.
void ShowOptions(const shellwin::ShellContext& context, HWND owner);

}  // namespace settingswin
