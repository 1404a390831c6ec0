#include "platform/failure.h"

#include <gtest/gtest.h>

TEST(Failure, CarriesNumberAndDescriptionThroughAStdExceptionHandler) {
  try {
    throw kes::Failure(kes::kErrFileNotFound, "File Not Found:");
  } catch (const std::exception& e) {
    const auto* failure = dynamic_cast<const kes::Failure*>(&e);
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->Number(), 53);
    EXPECT_EQ(failure->Description(), "File Not Found:");
    EXPECT_STREQ(e.what(), "File Not Found:");
  }
}
