#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/win32/window.h"

namespace explorerwin {

// "Compare With": a modal box listing the other snapshot windows by caption,
// the one at `chosen` (else the one opened last) chosen at first, with OK
// for the chosen one, "Report File..." for a report on disk and Cancel.
class frmCompareWith : public shellwin::Window {
 public:
  explicit frmCompareWith(HINSTANCE instance) : instance_(instance) {}

  struct Choice {
    std::optional<std::size_t> window;  // the chosen caption's position
    bool file = false;                  // a report file is to be asked for
  };
  // None when cancelled.
  std::optional<Choice> ShowModal(HWND owner, const std::vector<std::string>& captions,
                                  std::optional<std::size_t> chosen = std::nullopt);

  static constexpr int kListId = 10;
  static constexpr int kFileId = 11;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HINSTANCE instance_;
  HWND list_ = nullptr;
  bool closed_ = false;
  std::optional<Choice> choice_;
};

}  // namespace explorerwin
