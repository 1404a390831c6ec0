#include "shell/win32/window.h"

#include <exception>

#include "shell/win32/layout.h"

namespace shellwin {

Window::~Window() {
  if (hwnd_ != nullptr) {
    // The window must not call back into an object that is going away.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::RegisterClassOnce(HINSTANCE instance, const char* className, HBRUSH background,
                               HICON icon) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, className, &existing)) {
    return;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Window::Procedure;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  RegisterClassA(&wc);
}

void Window::Create(HINSTANCE instance, const char* className, DWORD exStyle, const char* caption,
                    DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu) {
  CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, menu, instance,
                  this);
}

void Window::Destroy() {
  if (hwnd_ != nullptr) {
    DestroyWindow(hwnd_);
  }
}

HWND Window::CreateCentred(HINSTANCE instance, const char* className, DWORD exStyle,
                           const char* caption, DWORD style, const TwipsLayout& layout,
                           int widthTwips, int heightTwips, HWND owner, bool onScreen) {
  RegisterClassOnce(instance, className, GetSysColorBrush(COLOR_BTNFACE), nullptr);
  const SIZE size = layout.OuterSize(style, exStyle, false, widthTwips, heightTwips);
  const POINT at = CentredOn(onScreen ? nullptr : owner, size);
  Create(instance, className, exStyle, caption, style, at.x, at.y, size.cx, size.cy, owner,
         nullptr);
  return hwnd_;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    void* param = create->lpCreateParams;
    // An MDI child is handed its creation value inside an MDICREATESTRUCT.
    if ((create->dwExStyle & WS_EX_MDICHILD) != 0) {
      param = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTA*>(param)->lParam);
    }
    auto* created = static_cast<Window*>(param);
    created->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // The last message detaches the object, whatever its handler does.
  const bool last = message == WM_NCDESTROY;
  if (last) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  }
  // No exception may unwind through the window system's frames; handlers
  // that care report their own failures, the rest are UI steps to skip.
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (const std::exception&) {
    result = 0;
  }
  if (last) {
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace shellwin
