#pragma once

#include "platform/clock.h"

namespace platform {

class Win32Clock final : public Clock {
 public:
  std::uint32_t Milliseconds() override;
  void Pause(std::uint32_t milliseconds) override;
};

}  // namespace platform
