#include "shell/general/text_helpers.h"

namespace Subs {

std::string AddBackslash(const platform::FileNameRule& rule, const std::string& path) {
  return rule.AddBackslash(path);
}

std::string StripTrailingNulls(const std::string& text) {
  const auto last = text.find_last_not_of('\0');
  if (last == std::string::npos) {
    return {};
  }
  return text.substr(0, last + 1);
}

}  // namespace Subs
