#include "shell/twips.h"

#include <cstdint>

namespace Subs {

int TwipsToPixels(int twips, int dotsPerInch) {
  // 64-bit product: large lengths at high resolutions overflow 32 bits.
  const std::int64_t scaled = static_cast<std::int64_t>(twips) * dotsPerInch;
  const std::int64_t half = kTwipsPerInch / 2;
  // Round half away from zero, alike for negative offsets.
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                      : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace Subs
