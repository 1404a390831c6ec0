#include "explorer/display_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(DisplayRules, IdentifiersInHexadecimalOrSignedDecimal) {
  struct Case {
    std::int32_t value;
    const char* hex;
    const char* decimal;
  };
  const Case cases[] = {
      {6699, "1A2B", "6699"},
      {0, "0", "0"},
      {-2, "FFFFFFFE", "-2"},
      {static_cast<std::int32_t>(0xBFF70000u), "BFF70000", "-1074331648"},
      {std::numeric_limits<std::int32_t>::min(), "80000000", "-2147483648"},
      {0x00ABCDEF, "ABCDEF", "11259375"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Explorer::IdText(c.value, true), c.hex) << c.value;
    EXPECT_EQ(Explorer::IdText(c.value, false), c.decimal) << c.value;
  }
}

TEST(DisplayRules, PriorityNamesForTheFourClassesAndUndeterminedOtherwise) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {128, "High"},       {64, "Idle"},         {32, "Normal"},       {256, "Realtime"},
      {0, "Undetermined"}, {16, "Undetermined"}, {-1, "Undetermined"},
  };
  for (const auto& [priority, name] : cases) {
    EXPECT_EQ(Explorer::PriorityName(priority), name) << priority;
  }
}

TEST(DisplayRules, VersionIsFourDecimalPartsJoinedWithFullStops) {
  clsVersionInfo version;
  EXPECT_EQ(Explorer::VersionText(version), "0.0.0.0");
  version.mnFileVerMaj = 4;
  version.mnFileVerMin = 10;
  version.mnFileVerRevHi = 0;
  version.mnFileVerRevLo = 1998;
  EXPECT_EQ(Explorer::VersionText(version), "4.10.0.1998");
  version.mnFileVerMin = 65535;
  EXPECT_EQ(Explorer::VersionText(version), "4.65535.0.1998");
}

TEST(DisplayRules, OtherNumbersInSignedDecimal) {
  EXPECT_EQ(Explorer::NumberText(-5), "-5");
  EXPECT_EQ(Explorer::NumberText(10), "10");
}

}  // namespace
