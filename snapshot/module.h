#pragma once

#include <cstdint>
#include <string>

#include "platform/file_facts.h"
#include "snapshot/address.h"
#include "snapshot/version_info.h"

// One module as loaded by one process.
class clsModule {
 public:
  std::int32_t mlID = 0;
  std::string msName;
  std::string msExePath;
  std::int32_t mGlblcntUsage = 0;
  std::int32_t mmodBaseSize = 0;
  std::int32_t mlth32ProcessID = 0;
  std::int32_t mlth32ModuleID = 0;
  std::int32_t mProccntUsage = 0;
  kes::Address mmodBaseAddr = 0;
  kes::Address mhModule = 0;
  clsVersionInfo moVersionInfo;
  std::int32_t mlFileSize = 0;
  std::string msFileDateTime;

  // Stores the path and collects the file's date, length and version.
  void ExePath(const std::string& psFile, platform::FileFacts& facts);
};
