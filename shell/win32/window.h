#pragma once

#include <windows.h>

namespace shellwin {

class TwipsLayout;

// A window whose messages reach a C++ object. The object owns the window:
// destroying the object destroys the window if it still exists.
class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers a window class routed to Window objects, once per class name.
  static void RegisterClassOnce(HINSTANCE instance, const char* className, HBRUSH background,
                                HICON icon);
  // Creates the window; the class must have been registered above.
  void Create(HINSTANCE instance, const char* className, DWORD exStyle, const char* caption,
              DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu);
  // Registers the class on the dialog face and creates the window with a
  // client area of widthTwips x heightTwips, owned by and centred on `owner`
  // (on the screen's work area when null or when `onScreen`). Returns the
  // window, or null.
  HWND CreateCentred(HINSTANCE instance, const char* className, DWORD exStyle, const char* caption,
                     DWORD style, const TwipsLayout& layout, int widthTwips, int heightTwips,
                     HWND owner, bool onScreen = false);

  // Destroys the window now. A derived destructor calls it when its members
  // own what the window shows (bitmaps, fonts, image lists), so that the
  // window goes while they still exist.
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The default processing: DefWindowProc unless a window needs another.
  virtual LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace shellwin
