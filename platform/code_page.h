#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace platform {

// The characters of an ANSI code page as far as paths and names need them.
// In the double-byte code pages of Japan, China, Taiwan and Korea (932, 936,
// 949, 950) a character is one byte or a lead byte and any byte after it,
// and that second byte may read as a backslash or a letter on its own. The
// default knows one-byte characters only and the ASCII letters.
class CodePage {
 public:
  CodePage();
  // The table of a code page the portable code knows without the system:
  // 932, 936, 949, 950 and 1252; any other number gives the default.
  static CodePage Numbered(unsigned number);
  // A code page from its lead bytes and the upper case of each one-byte
  // character (as the system tells them).
  CodePage(const std::array<bool, 256>& leadBytes, const std::array<unsigned char, 256>& upper);

  bool IsLeadByte(char c) const { return lead_[static_cast<unsigned char>(c)]; }
  bool HasLeadBytes() const { return hasLead_; }
  // The length of the character at `at`: two for a lead byte with a byte
  // after it, else one; a lead byte that ends a text cut short is one.
  std::size_t CharSize(std::string_view text, std::size_t at) const {
    return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
  }
  // The upper case of a one-byte character; a trail byte is never passed.
  char Upper(char c) const { return static_cast<char>(upper_[static_cast<unsigned char>(c)]); }

 private:
  std::array<bool, 256> lead_{};
  std::array<unsigned char, 256> upper_{};
  bool hasLead_ = false;
};

}  // namespace platform
