#include "platform/win32/file_name_rule_win32.h"

#include <windows.h>

namespace platform {

std::string Win32FileNameRule::Upper(const std::string& name) {
  std::string upper = name;
  // CharUpperA stops at a NUL; a name never holds one, and the rest of a
  // text that did would simply stay as it is.
  if (!upper.empty()) {
    CharUpperA(upper.data());
  }
  return upper;
}

}  // namespace platform
