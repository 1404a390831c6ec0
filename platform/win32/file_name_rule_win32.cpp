#include "platform/win32/file_name_rule_win32.h"

#include <windows.h>

namespace platform {

CodePage SystemCodePage() {
  std::array<bool, 256> lead{};
  std::array<unsigned char, 256> upper{};
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<BYTE>(b);
    lead[b] = IsDBCSLeadByte(byte) != FALSE;
    upper[b] = byte;
    if (b != 0 && !lead[b]) {
      // Given a character in its low word instead of a text, CharUpperA
      // returns that character raised.
      // NOLINTNEXTLINE(performance-no-int-to-ptr)
      const auto character = reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(byte));
      const auto raised = reinterpret_cast<ULONG_PTR>(CharUpperA(character));
      upper[b] = static_cast<unsigned char>(raised & 0xFF);
    }
  }
  return CodePage(lead, upper);
}

}  // namespace platform
