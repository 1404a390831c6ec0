#pragma once

#include <cstdint>
#include <string>

// One visible, unowned top-level window that has a title.
class clsTask {
 public:
  std::int32_t mlID = 0;
  std::string msName;
};
