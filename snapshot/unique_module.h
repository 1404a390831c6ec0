#pragma once

#include <cstdint>
#include <string>

// One distinct module file across all processes. The two numbers are
// positions (process in the processes collection, module in that process's
// modules), where the file's details are read.
class clsUniqueModule {
 public:
  std::int32_t mlProcID = 0;
  std::int32_t mlModID = 0;
  std::string msExePath;
};
