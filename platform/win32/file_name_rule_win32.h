#pragma once

#include "platform/file_name_rule.h"

namespace platform {

// The characters of the system's ANSI code page: its lead bytes as the
// system tells them, and each one-byte character raised as the system raises
// it, which is how its file systems match names.
CodePage SystemCodePage();

// The path rule in the system's code page.
class Win32FileNameRule final : public FileNameRule {
 public:
  Win32FileNameRule() : FileNameRule(SystemCodePage()) {}
};

}  // namespace platform
