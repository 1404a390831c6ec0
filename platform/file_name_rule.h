#pragma once

#include <string>

namespace platform {

// How the system compares file names: letter case does not count, with the
// upper case of the system's own code page (not a fixed table: a name holding
// letters beyond ASCII depends on the code page the system runs with).
class FileNameRule {
 public:
  virtual ~FileNameRule() = default;
  // The name in the system's upper case; two names of one file give the
  // same text.
  virtual std::string Upper(const std::string& name) = 0;
};

inline bool SameFileName(FileNameRule& rule, const std::string& a, const std::string& b) {
  return rule.Upper(a) == rule.Upper(b);
}

}  // namespace platform
