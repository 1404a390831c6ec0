#include "settings/registry_value.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/failure.h"

namespace {

// The failure number a conversion raises, or 0 when it succeeds.
template <typename Convert>
std::int32_t FailureOf(Convert convert) {
  try {
    convert();
  } catch (const kes::Failure& failure) {
    return failure.Number();
  }
  return 0;
}

std::int32_t Int16Failure(const RegistryValue& value) {
  return FailureOf([&] { value.ToInt16(); });
}

TEST(RegistryValueToInt16, ReadsDecimalTextWithBlanksAndSign) {
  EXPECT_EQ(RegistryValue("1").ToInt16(), 1);
  EXPECT_EQ(RegistryValue(" 1 ").ToInt16(), 1);
  EXPECT_EQ(RegistryValue("\t7\t").ToInt16(), 7);
  EXPECT_EQ(RegistryValue("+1").ToInt16(), 1);
  EXPECT_EQ(RegistryValue("-0").ToInt16(), 0);
  EXPECT_EQ(RegistryValue("-5").ToInt16(), -5);
  EXPECT_EQ(RegistryValue("007").ToInt16(), 7);
  EXPECT_EQ(RegistryValue("32767").ToInt16(), 32767);
  EXPECT_EQ(RegistryValue("-32768").ToInt16(), -32768);
}

TEST(RegistryValueToInt16, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RegistryValue("2.5").ToInt16(), 2);
  EXPECT_EQ(RegistryValue("3.5").ToInt16(), 4);
  EXPECT_EQ(RegistryValue("-2.5").ToInt16(), -2);
  EXPECT_EQ(RegistryValue("-3.5").ToInt16(), -4);
  EXPECT_EQ(RegistryValue("0.5").ToInt16(), 0);
  EXPECT_EQ(RegistryValue(".5").ToInt16(), 0);
  EXPECT_EQ(RegistryValue("1.5").ToInt16(), 2);
  EXPECT_EQ(RegistryValue("5.").ToInt16(), 5);
  EXPECT_EQ(RegistryValue("2.4999").ToInt16(), 2);
  EXPECT_EQ(RegistryValue("2.6").ToInt16(), 3);
  // Exact digits, not a floating-point approximation of them.
  EXPECT_EQ(RegistryValue("2.50000000000000000000001").ToInt16(), 3);
  EXPECT_EQ(RegistryValue("-32768.5").ToInt16(), -32768);
}

TEST(RegistryValueToInt16, ReadsExponents) {
  EXPECT_EQ(RegistryValue("1e3").ToInt16(), 1000);
  EXPECT_EQ(RegistryValue("25E-1").ToInt16(), 2);
  EXPECT_EQ(RegistryValue("5e-1").ToInt16(), 0);
  EXPECT_EQ(RegistryValue("0e999999999999999999999").ToInt16(), 0);
  EXPECT_EQ(RegistryValue("7e-999999999999999999999").ToInt16(), 0);
  EXPECT_EQ(RegistryValue("1.2e+1").ToInt16(), 12);
}

TEST(RegistryValueToInt16, TextThatIsNotANumberIsATypeMismatch) {
  for (const char* text : {"", " ", "abc", "1abc", "1 abc", "1 2", "0x10", "&H10", "1,000", "inf",
                           "nan", "+", "-", ".", "e5", "1e", "1e+", "--1", "1.2.3"}) {
    EXPECT_EQ(Int16Failure(RegistryValue(text)), kErrTypeMismatch) << '"' << text << '"';
  }
  EXPECT_EQ(Int16Failure(RegistryValue(std::string("1\0"
                                                   "2",
                                                   3))),
            kErrTypeMismatch);
}

TEST(RegistryValueToInt16, NumbersOutsideTheRangeOverflow) {
  EXPECT_EQ(Int16Failure(RegistryValue("32768")), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue("32767.5")), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue("-32769")), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue("99999999999999999999999999999999")), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue("-1e999999999999999999999")), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue(std::string(65536, '9'))), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue(32768)), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue(-32769)), kErrOverflow);
  EXPECT_EQ(Int16Failure(RegistryValue(INT32_MIN)), kErrOverflow);
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
  EXPECT_EQ(FailureOf([] { RegistryValue("2147483647.5").ToInt32(); }), kErrOverflow);
  EXPECT_EQ(FailureOf([] { RegistryValue("x").ToInt32(); }), kErrTypeMismatch);
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
