#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform {

// Copies the text to `to` and returns the end of the copy. Report lines are
// built from many short pieces, and a call into the C runtime's memcpy costs
// more than such a piece takes to move (several times more under Wine's
// runtime), so short pieces move a word at a time here; long ones still go
// to memcpy.
inline char* CopyText(char* to, std::string_view text) {
  constexpr std::size_t kShort = 128;
  const char* from = text.data();
  std::size_t size = text.size();
  if (size > kShort) {
    std::memcpy(to, from, size);
    return to + size;
  }
  // Each fixed-size copy compiles to a single move.
  for (; size >= 4; size -= 4, from += 4, to += 4) {
    std::uint32_t word;
    std::memcpy(&word, from, 4);
    std::memcpy(to, &word, 4);
  }
  if ((size & 2) != 0) {
    std::uint16_t pair;
    std::memcpy(&pair, from, 2);
    std::memcpy(to, &pair, 2);
    from += 2;
    to += 2;
  }
  if ((size & 1) != 0) {
    *to++ = *from;
  }
  return to;
}

}  // namespace platform
