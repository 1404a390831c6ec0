#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A window as the platform knows it; 0 is no window.
using WindowHandle = std::uintptr_t;

// Message box styles and answers, with the platform's own values.
inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbIconStop = 0x10;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr unsigned kMbDefaultButton2 = 0x100;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Everything the programs tell the user goes through a message box; tests
// answer and record them through a fake.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a message box modal to `owner` (0: the program's active window)
  // and returns the button the user chose.
  virtual int Show(WindowHandle owner, const std::string& text, const std::string& title,
                   unsigned style) = 0;
};

}  // namespace platform
