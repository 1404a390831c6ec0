#include "platform/code_page.h"

namespace platform {

namespace {

std::array<unsigned char, 256> AsciiUpper() {
  std::array<unsigned char, 256> upper{};
  for (std::size_t b = 0; b < upper.size(); ++b) {
    upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 0x20 : b);
  }
  return upper;
}

std::array<bool, 256> LeadRange(unsigned from, unsigned to) {
  std::array<bool, 256> lead{};
  for (unsigned b = from; b <= to; ++b) {
    lead[b] = true;
  }
  return lead;
}

}  // namespace

CodePage::CodePage() : upper_(AsciiUpper()) {}

CodePage::CodePage(const std::array<bool, 256>& leadBytes,
                   const std::array<unsigned char, 256>& upper)
    : lead_(leadBytes), upper_(upper) {
  for (const bool lead : lead_) {
    hasLead_ = hasLead_ || lead;
  }
}

CodePage CodePage::Numbered(unsigned number) {
  switch (number) {
    case 932: {  // Shift JIS: one-byte katakana A1 to DF lie between the lead ranges
      std::array<bool, 256> lead = LeadRange(0x81, 0x9F);
      for (unsigned b = 0xE0; b <= 0xFC; ++b) {
        lead[b] = true;
      }
      return CodePage(lead, AsciiUpper());
    }
    case 936:
    case 949:
    case 950:
      return CodePage(LeadRange(0x81, 0xFE), AsciiUpper());
    case 1252: {
      std::array<unsigned char, 256> upper = AsciiUpper();
      for (unsigned b = 0xE0; b <= 0xFE; ++b) {
        upper[b] = static_cast<unsigned char>(b == 0xF7 ? b : b - 0x20);
      }
      upper[0x9A] = 0x8A;  // s, o-e and z with their marks, and y with diaeresis
      upper[0x9C] = 0x8C;
      upper[0x9E] = 0x8E;
      upper[0xFF] = 0x9F;
      return CodePage(std::array<bool, 256>{}, upper);
    }
    default:
      return CodePage();
  }
}

}  // namespace platform
