#pragma once

#include "platform/file_name_rule.h"

namespace platform {

// CharUpperA: the upper case of the system's ANSI code page.
class Win32FileNameRule final : public FileNameRule {
 public:
  std::string Upper(const std::string& name) override;
};

}  // namespace platform
