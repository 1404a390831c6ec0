#include "platform/text_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Pieces below, at and above the length that still moves a word at a time,
// each with every remainder of four.
TEST(CopyText, CopiesEveryCharacterAndNothingBeyondAndReturnsTheEnd) {
  for (const std::size_t size : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 127u, 128u, 129u, 300u}) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
      text += static_cast<char>('a' + i % 26);
    }
    std::string room(size + 8, '#');
    char* const end = platform::CopyText(room.data() + 3, text);
    EXPECT_EQ(end, room.data() + 3 + size) << size;
    EXPECT_EQ(room, "###" + text + "#####") << size;
  }
}

}  // namespace
