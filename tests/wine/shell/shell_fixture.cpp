#include "tests/wine/shell/shell_fixture.h"

#include "platform/registry.h"
#include "settings/settings_store.h"
#include "tests/fakes/win32_helpers.h"

namespace kes_test {

namespace {
ModalDriver* gDriver = nullptr;  // the timer procedure's way back
constexpr UINT kPollMs = 30;
}  // namespace

ModalDriver::ModalDriver() {
  gDriver = this;
  timer_ = SetTimer(nullptr, 0, kPollMs, &ModalDriver::Tick);
}

ModalDriver::~ModalDriver() {
  KillTimer(nullptr, timer_);
  gDriver = nullptr;
}

void ModalDriver::When(const std::string& caption, std::function<void(HWND)> action) {
  steps_.push_back({caption, std::move(action)});
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (gDriver != nullptr) {
    gDriver->Poll();
  }
}

void ModalDriver::Poll() {
  if (steps_.empty()) {
    return;
  }
  HWND window = FindWindowA(nullptr, steps_.front().caption.c_str());
  if (window == nullptr || !IsWindowVisible(window)) {
    return;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  seen_.push_back(step.caption);
  step.action(window);
}

namespace {
QuitAfter* gGuard = nullptr;
CreationHook* gHook = nullptr;
}  // namespace

QuitAfter::QuitAfter(UINT ms) {
  gGuard = this;
  timer_ = SetTimer(nullptr, 0, ms, &QuitAfter::Tick);
}

QuitAfter::~QuitAfter() {
  KillTimer(nullptr, timer_);
  gGuard = nullptr;
}

void CALLBACK QuitAfter::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (gGuard != nullptr && !gGuard->fired_) {
    gGuard->fired_ = true;
    PostQuitMessage(0);
  }
}

CreationHook::CreationHook(const std::string& className, Act act)
    : className_(className), act_(act) {
  gHook = this;
  hook_ = SetWindowsHookExA(WH_CBT, &CreationHook::Hook, nullptr, GetCurrentThreadId());
}

CreationHook::~CreationHook() {
  UnhookWindowsHookEx(hook_);
  gHook = nullptr;
}

LRESULT CALLBACK CreationHook::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && gHook != nullptr && gHook->created_ == nullptr) {
    const auto window = reinterpret_cast<HWND>(wParam);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (gHook->className_ == name) {
      gHook->created_ = window;
      if (gHook->act_ == Act::kRefuse) {
        return 1;
      }
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ClickButton(HWND window, int id) { SendMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }

void PressKey(HWND window, int id, WPARAM key) {
  PostMessageA(GetDlgItem(window, id), WM_KEYDOWN, key, 1);
}

void ClickCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void ShellFixture::SetUp() { FreshSettings(); }

void ShellFixture::TearDown() {
  EXPECT_FALSE(driver.Pending()) << "a modal window the test waited for never appeared";
  Pump();
}

void ShellFixture::FreshSettings() {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, Subs::kSettingsKey);
  ASSERT_TRUE(Subs::CreateRegKeys(api));
  ASSERT_TRUE(Subs::LoadGlobalsFromRegistry(api, "C:\\Kestrel\\kesview.exe"));
  boxes.shown.clear();
}

std::string ShellFixture::Stored(const std::string& name) {
  RegistryValue value;
  if (!api.QueryValue(platform::kHkeyLocalMachine, Subs::kSettingsKey, name, value)) {
    return "<missing>";
  }
  return value.ToText();
}

void ShellFixture::Store(const std::string& name, const std::string& text) {
  ASSERT_TRUE(api.SetKeyValue(platform::kHkeyLocalMachine, Subs::kSettingsKey, name, text,
                              platform::kRegSz));
}

std::string ShellFixture::HelpPage(const std::string& page) {
  // The page beside the test program, in double quotes when its path holds a
  // blank, so that it reaches the browser as one argument.
  const std::string path = ProgramFolder() + page;
  return path.find(' ') == std::string::npos ? path : '"' + path + '"';
}

void ShellFixture::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      continue;  // a closed frame's; not this test's business
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace kes_test
