#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell_launcher.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/file_store_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_folders_win32.h"
#include "settings/registry_api.h"
#include "shell/general/error_report.h"
#include "shell/general/web.h"
#include "shell/win32/shell_context.h"
#include "tests/fakes/recording_boxes.h"

namespace kes_test {

// A browser that is always found and records what it was asked to open.
class StandInBrowser final : public platform::ShellLauncher {
 public:
  platform::FoundExecutable FindExecutableFor(const std::string&) override {
    return {42, "C:\\windows\\browser.exe"};
  }
  std::intptr_t ShellExecuteFile(platform::WindowHandle, const std::string&, const std::string&,
                                 const std::string& parameters, int) override {
    opened.push_back(parameters);
    return 42;
  }
  std::vector<std::string> opened;
};

// Acts on modal windows from inside their message loop: when a visible
// window with the caption appears, its action runs once. Steps run in order.
class ModalDriver {
 public:
  ModalDriver();
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  void When(const std::string& caption, std::function<void(HWND)> action);
  // Captions of the windows acted on, in order.
  const std::vector<std::string>& Seen() const { return seen_; }
  bool Pending() const { return !steps_.empty(); }

 private:
  struct Step {
    std::string caption;
    std::function<void(HWND)> action;
  };
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Poll();

  UINT_PTR timer_ = 0;
  std::deque<Step> steps_;
  std::vector<std::string> seen_;
};

// Ends the running message loop (a posted WM_QUIT) if it is still running
// after `ms`, so that a modal window that never ends fails a test rather than
// hangs it.
class QuitAfter {
 public:
  explicit QuitAfter(UINT ms);
  ~QuitAfter();
  QuitAfter(const QuitAfter&) = delete;
  QuitAfter& operator=(const QuitAfter&) = delete;
  bool Fired() const { return fired_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_ = 0;
  bool fired_ = false;
};
inline constexpr UINT kGuardMs = 20000;

// Watches this thread's windows being created: the first of the class is
// either refused or sent a posted WM_CLOSE as soon as it exists.
class CreationHook {
 public:
  enum class Act { kPostClose, kRefuse };
  CreationHook(const std::string& className, Act act);
  ~CreationHook();
  CreationHook(const CreationHook&) = delete;
  CreationHook& operator=(const CreationHook&) = delete;
  HWND Created() const { return created_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  std::string className_;
  Act act_;
  HHOOK hook_ = nullptr;
  HWND created_ = nullptr;
};

// Window actions as a user makes them.
void ClickButton(HWND window, int id);
void PressKey(HWND window, int id, WPARAM key);  // posted to the control `id`
void ClickCloseBox(HWND window);
std::string TextOf(HWND window);

// The real registry of the prefix, the settings key removed before each test
// and the settings loaded, message boxes recorded and a stand-in browser.
class ShellFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Removes the settings key and loads the settings afresh with defaults.
  void FreshSettings();
  // The stored text of a settings value, or "<missing>".
  std::string Stored(const std::string& name);
  void Store(const std::string& name, const std::string& text);
  // What the browser is given for a help page of the program's folder.
  static std::string HelpPage(const std::string& page);
  // Lets pending messages run.
  static void Pump();

  RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
  platform::Win32Registry registry;
  RegistryAPI api{registry, report};
  StandInBrowser browser;
  platform::Win32FileStore files;
  platform::Win32SystemFolders folders;
  platform::Win32FileNameRule rule;
  Subs::WebLauncher web{folders.ProgramFolder(), rule, browser, files, report};
  shellwin::ShellContext context{GetModuleHandleA(nullptr), api, web, rule};
  ModalDriver driver;
};

}  // namespace kes_test
