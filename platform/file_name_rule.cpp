#include "platform/file_name_rule.h"

namespace platform {

std::string FileNameRule::Folded(std::string_view name) const {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return folded;
}

}  // namespace platform
