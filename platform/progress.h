#pragma once

#include <string>

namespace platform {

// Where long work shows what it is doing: the text is shown at once and
// pending window messages run so the change is painted.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void Report(const std::string& text) = 0;
};

}  // namespace platform
