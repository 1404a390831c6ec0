#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace platform {

// The one rule for paths and file names: how a path is stepped through,
// split and joined, and how the system tells file names apart, all by the
// characters of the system's code page. A backslash is a separator only as a
// character of its own, never as the second byte of a double-byte
// character; letter case does not count, and only one-byte letters have a
// case. Matching paths, comparing reports, finding logged files on disk and
// deciding what to delete all go through it. The default, for the portable
// code and its tests, knows one-byte characters and the ASCII letters only.
class FileNameRule {
 public:
  FileNameRule() = default;
  explicit FileNameRule(const CodePage& characters) : characters_(characters) {}

  const CodePage& Characters() const { return characters_; }

  // The name with its one-byte letters in upper case: two names of one file
  // give the same text.
  std::string Folded(std::string_view name) const;

  // The position of the last character of `path` that is one of `chars`
  // (one-byte characters), or npos.
  std::size_t LastOf(std::string_view path, std::string_view chars) const;
  // The position of the last backslash, or npos.
  std::size_t LastSeparator(std::string_view path) const { return LastOf(path, "\\"); }
  // The position of the first occurrence of `part` from `from` on that
  // begins on a character of `text`, or npos.
  std::size_t Find(std::string_view text, std::string_view part, std::size_t from = 0) const;
  // Whether the position begins a character of `text` (the end does too).
  bool StartsCharacter(std::string_view text, std::size_t at) const;

  bool EndsWithBackslash(std::string_view path) const;
  // The path with one backslash at its end; empty text gives "\". A lead
  // byte that a cut left at the end goes first.
  std::string AddBackslash(const std::string& path) const;
  // Everything up to and including the last backslash, and the rest; without
  // a backslash the folder is empty.
  struct FolderAndName {
    std::string folder;
    std::string name;
  };
  FolderAndName SplitFolderName(const std::string& path) const;
  // The text without a lead byte that a cut left at its end.
  std::string_view WholeCharacters(std::string_view text) const;

 private:
  CodePage characters_;
};

// Whether the two names name one file by the rule.
inline bool SameFileName(const FileNameRule& rule, std::string_view a, std::string_view b) {
  return rule.Folded(a) == rule.Folded(b);
}

}  // namespace platform
