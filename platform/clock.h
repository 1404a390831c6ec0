#pragma once

#include <cstdint>

namespace platform {

// Time for waiting a little: a millisecond count that may wrap, and a pause.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t Milliseconds() = 0;
  virtual void Pause(std::uint32_t milliseconds) = 0;
};

}  // namespace platform
