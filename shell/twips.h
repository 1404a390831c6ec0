#pragma once

namespace Subs {

inline constexpr int kTwipsPerInch = 1440;

// A length in twips as pixels on a display with `dotsPerInch` pixels to the
// inch, rounded to the nearest pixel (15 twips to a pixel at 96).
int TwipsToPixels(int twips, int dotsPerInch);

}  // namespace Subs
