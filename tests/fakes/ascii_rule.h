#pragma once

#include <string>

#include "platform/file_name_rule.h"

namespace uninstall_test {

// Letter case as the system compares names, for ASCII letters only: enough
// where a test's names hold no others.
class AsciiRule final : public platform::FileNameRule {
 public:
  std::string Upper(const std::string& name) override {
    std::string upper = name;
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    }
    return upper;
  }
};

}  // namespace uninstall_test
