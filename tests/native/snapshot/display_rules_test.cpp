#include "snapshot/display_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace {

TEST(DisplayRules, IdentifiersAreUpperCaseHexWithoutLeadingZerosOrSignedDecimal) {
  struct Case {
    std::uint32_t value;
    const char* hex;
    const char* decimal;
  };
  const Case cases[] = {
      {0, "0", "0"},
      {6699, "1A2B", "6699"},
      {0x00520000, "520000", "5373952"},
      {0x7FFFFFFF, "7FFFFFFF", "2147483647"},
      {0x80000000, "80000000", "-2147483648"},
      {0xFFFFFFFE, "FFFFFFFE", "-2"},
      {0xFFF6D1A1, "FFF6D1A1", "-601695"},
  };
  for (const Case& c : cases) {
    const auto value = static_cast<std::int32_t>(c.value);
    EXPECT_EQ(Display::Identifier(value, 1), c.hex) << c.value;
    // Any non-zero setting means hexadecimal.
    EXPECT_EQ(Display::Identifier(value, -3), c.hex) << c.value;
    EXPECT_EQ(Display::Identifier(value, 0), c.decimal) << c.value;
    EXPECT_EQ(Display::Decimal(value), c.decimal) << c.value;
  }
}

// Members as wide as an address: a value that fits 32 signed bits shows as
// the 32-bit programs show it, a larger one (a 64-bit build's) in full.
TEST(DisplayRules, WideValuesShowIn32BitsWhereTheyFitAndInFullOtherwise) {
  struct Case {
    std::int64_t value;
    const char* hex;
    const char* decimal;
  };
  const Case cases[] = {
      {-1074331648, "BFF70000", "-1074331648"},
      {0x7FFFFFFF, "7FFFFFFF", "2147483647"},
      {0xBFF70000, "BFF70000", "3220635648"},
      {0x7FF612340000, "7FF612340000", "140694844080128"},
      {INT64_MIN, "8000000000000000", "-9223372036854775808"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Display::Identifier(c.value, 1), c.hex) << c.value;
    EXPECT_EQ(Display::Identifier(c.value, 0), c.decimal) << c.value;
    EXPECT_EQ(Display::Decimal(c.value), c.decimal) << c.value;
  }
}

TEST(DisplayRules, AppendAddsToWhatIsThere) {
  std::string line = "ID: ";
  Display::AppendIdentifier(line, 255, 1);
  line += ' ';
  Display::AppendDecimal(line, -7);
  EXPECT_EQ(line, "ID: FF -7");
}

TEST(DisplayRules, PriorityClassesHaveNamesAndAnythingElseIsUndetermined) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {128, "High"},       {64, "Idle"},         {32, "Normal"},       {256, "Realtime"},
      {0, "Undetermined"}, {16, "Undetermined"}, {-1, "Undetermined"}, {512, "Undetermined"},
  };
  for (const auto& [priority, name] : cases) {
    EXPECT_STREQ(Display::PriorityName(priority), name) << priority;
    // A report reads the name back: every undetermined value as 0.
    std::int32_t read = -5;
    EXPECT_TRUE(Display::PriorityFromName(name, read)) << name;
    EXPECT_EQ(read, std::string_view(name) == "Undetermined" ? 0 : priority) << name;
  }
  std::int32_t read = -5;
  EXPECT_FALSE(Display::PriorityFromName("high", read));
  EXPECT_FALSE(Display::PriorityFromName("", read));
}

TEST(DisplayRules, VersionIsFourDecimalPartsJoinedWithFullStops) {
  const std::pair<std::array<std::uint16_t, 4>, const char*> cases[] = {
      {{4, 10, 0, 1998}, "4.10.0.1998"},
      {{0, 0, 0, 0}, "0.0.0.0"},
      {{65535, 40000, 32768, 1}, "65535.40000.32768.1"},
  };
  for (const auto& [parts, text] : cases) {
    clsVersionInfo version;
    version.mnFileVerMaj = parts[0];
    version.mnFileVerMin = parts[1];
    version.mnFileVerRevHi = parts[2];
    version.mnFileVerRevLo = parts[3];
    EXPECT_EQ(Display::VersionText(version), text);
  }
}

}  // namespace
