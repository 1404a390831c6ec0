#pragma once

#include "platform/message_box.h"

namespace platform {

class Win32MessageBoxes final : public MessageBoxes {
 public:
  int Show(WindowHandle owner, const std::string& text, const std::string& title,
           unsigned style) override;
};

}  // namespace platform
