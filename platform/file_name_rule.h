#pragma once

#include <string>
#include <string_view>

namespace platform {

// How the system tells file names apart: letter case does not count, and
// which characters are letters, and their upper case, is the business of
// the system's code page. The one rule for matching paths, for comparing
// reports and for finding logged files on disk alike. This default, for the
// portable code and its tests, knows the ASCII letters only.
class FileNameRule {
 public:
  virtual ~FileNameRule() = default;
  // The name with its letters in upper case: two names of one file give the
  // same text.
  virtual std::string Folded(std::string_view name) const;
};

// Whether the two names name one file by the rule.
inline bool SameFileName(const FileNameRule& rule, std::string_view a, std::string_view b) {
  return rule.Folded(a) == rule.Folded(b);
}

}  // namespace platform
