#pragma once

#include "platform/message_box.h"

namespace platform {

// Message boxes modal to the window they belong to: the owner given, or the
// program's active top-level window; task-modal when there is neither.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  int Show(WindowHandle owner, const std::string& text, const std::string& title,
           unsigned style) override;
};

}  // namespace platform
