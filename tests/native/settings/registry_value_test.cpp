#include "settings/registry_value.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>

#include "platform/failure.h"
#include "tests/fakes/failure_of.h"

namespace {

std::int32_t Int16Failure(const RegistryValue& value) {
  return kes_test::FailureNumber([&] { value.ToInt16(); });
}

// Texts and the numbers they read as.
using Reads = std::pair<const char*, int>;

void ExpectInt16(std::span<const Reads> cases) {
  for (const auto& [text, number] : cases) {
    EXPECT_EQ(RegistryValue(text).ToInt16(), number) << '"' << text << '"';
  }
}

TEST(RegistryValueToInt16, ReadsDecimalTextWithBlanksAndSign) {
  const Reads cases[] = {{"1", 1},   {" 1 ", 1}, {"\t7\t", 7},     {"+1", 1},         {"-0", 0},
                         {"-5", -5}, {"007", 7}, {"32767", 32767}, {"-32768", -32768}};
  ExpectInt16(cases);
}

TEST(RegistryValueToInt16, RoundsHalvesToTheEvenNeighbour) {
  // The long one: exact digits, not a floating-point approximation of them.
  const Reads cases[] = {
      {"2.5", 2}, {"3.5", 4},    {"-2.5", -2},         {"-3.5", -4},
      {"0.5", 0}, {".5", 0},     {"1.5", 2},           {"5.", 5},
      {"2.6", 3}, {"2.4999", 2}, {"-32768.5", -32768}, {"2.50000000000000000000001", 3}};
  ExpectInt16(cases);
}

TEST(RegistryValueToInt16, ReadsExponents) {
  const Reads cases[] = {{"1e3", 1000},
                         {"25E-1", 2},
                         {"5e-1", 0},
                         {"0e999999999999999999999", 0},
                         {"7e-999999999999999999999", 0},
                         {"1.2e+1", 12}};
  ExpectInt16(cases);
}

TEST(RegistryValueToInt16, TextThatIsNotANumberIsATypeMismatch) {
  for (const std::string text : {"", " ", "abc", "1abc", "1 abc", "1 2", "0x10", "&H10", "1,000",
                                 "inf", "nan", "+", "-", ".", "e5", "1e", "1e+", "--1", "1.2.3"}) {
    EXPECT_EQ(Int16Failure(RegistryValue(text)), kes::kErrTypeMismatch) << '"' << text << '"';
  }
  EXPECT_EQ(Int16Failure(RegistryValue(std::string{'1', '\0', '2'})), kes::kErrTypeMismatch);
}

TEST(RegistryValueToInt16, NumbersOutsideTheRangeOverflow) {
  for (const std::string text : {"32768", "32767.5", "-32769", "99999999999999999999999999999999",
                                 "-1e999999999999999999999"}) {
    EXPECT_EQ(Int16Failure(RegistryValue(text)), kes::kErrOverflow) << text;
  }
  EXPECT_EQ(Int16Failure(RegistryValue(std::string(65536, '9'))), kes::kErrOverflow);
  for (const std::int32_t number : {32768, -32769, INT32_MIN}) {
    EXPECT_EQ(Int16Failure(RegistryValue(number)), kes::kErrOverflow) << number;
  }
}

TEST(RegistryValueToInt16, IntegersInRangeAndEmpty) {
  EXPECT_EQ(RegistryValue(1).ToInt16(), 1);
  EXPECT_EQ(RegistryValue(-32768).ToInt16(), -32768);
  EXPECT_EQ(RegistryValue().ToInt16(), 0);
}

TEST(RegistryValueToInt32, UsesTheWholeRange) {
  EXPECT_EQ(RegistryValue("2147483647").ToInt32(), INT32_MAX);
  EXPECT_EQ(RegistryValue("-2147483648").ToInt32(), INT32_MIN);
  EXPECT_EQ(RegistryValue("70000").ToInt32(), 70000);
  EXPECT_EQ(kes_test::FailureNumber([] { RegistryValue("2147483647.5").ToInt32(); }),
            kes::kErrOverflow);
  EXPECT_EQ(kes_test::FailureNumber([] { RegistryValue("x").ToInt32(); }), kes::kErrTypeMismatch);
}

TEST(RegistryValueToText, GivesTextDigitsOrNothing) {
  EXPECT_EQ(RegistryValue().ToText(), "");
  EXPECT_EQ(RegistryValue("C:\\Kestrel\\kesview.exe").ToText(), "C:\\Kestrel\\kesview.exe");
  EXPECT_EQ(RegistryValue(-42).ToText(), "-42");
  EXPECT_EQ(RegistryValue(INT32_MIN).ToText(), "-2147483648");
}

TEST(RegistryValue, KnowsItsKind) {
  EXPECT_TRUE(RegistryValue().IsEmpty());
  EXPECT_EQ(RegistryValue("").GetKind(), RegistryValue::Kind::kText);
  EXPECT_EQ(RegistryValue(0).GetKind(), RegistryValue::Kind::kInteger);
  EXPECT_FALSE(RegistryValue("1") == RegistryValue(1));
  EXPECT_TRUE(RegistryValue(7) == RegistryValue(7));
}

}  // namespace
