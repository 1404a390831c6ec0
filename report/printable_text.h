#pragma once

#include <algorithm>

namespace Report {

// A report is read back line by line, so a line end inside a window title (or
// any text from outside) would split its line and the report could never be
// read again. Control characters (below 32, and 127) are written as spaces,
// and read as spaces from reports written before they were.
inline bool IsControlCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 32 || code == 127;
}

inline void BlankControlCharacters(char* first, char* last) {
  std::replace_if(first, last, IsControlCharacter, ' ');
}

}  // namespace Report
