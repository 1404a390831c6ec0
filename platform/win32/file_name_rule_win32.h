#pragma once

#include "platform/file_name_rule.h"

namespace platform {

// Letters are raised as the system raises them in its code page, which is how
// its file systems match names.
class Win32FileNameRule final : public FileNameRule {
 public:
  std::string Folded(std::string_view name) const override;
};

}  // namespace platform
