// The version resource's strings read from whatever bytes the library hands
// back: the reading stays inside the resource, and every text it gives fits
// in the resource (a UTF-16 text takes two bytes a character, an 8-bit one
// one byte); a table it names is eight hexadecimal digits.
//
// Input: the resource itself.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/require.h"
#include "snapshot/version_info_strings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact copy, so the sanitizer sees any read past the end.
  const std::vector<unsigned char> resource(data, data + size);
  const auto strings = VersionStrings::ReadStrings(std::span(resource.data(), resource.size()));
  if (!strings) {
    return 0;
  }
  Require(strings->table.size() == 8);
  // The 16-bit layout's key follows the two length words at once.
  const bool sixteenBit = size > 5 && data[4] == 'V' && data[5] == 'S';
  for (const auto& value : strings->values) {
    Require(!value || value->size() <= (sixteenBit ? size : size / 2));
  }
  return 0;
}
