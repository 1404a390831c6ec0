#include "snapshot/caching_file_facts.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_file_facts.h"
#include "platform/failure.h"
#include "snapshot/module.h"
#include "tests/fakes/failure_of.h"

namespace {

TEST(CachingFileFacts, GivesAHiddenFileTheSameFactsAndFailureEveryTime) {
  FakeFileFacts facts;
  facts.Add("C:\\HIDDEN.DLL", 321).normal = false;
  CachingFileFacts cache(facts);
  for (int round = 0; round < 3; ++round) {
    clsModule module;
    EXPECT_EQ(kes_test::FailureOf([&] { module.ExePath("C:\\HIDDEN.DLL", cache); }),
              "53 - File Not Found:\r\n\r\nC:\\HIDDEN.DLL");
    EXPECT_EQ(module.mlFileSize, 321);
    EXPECT_EQ(module.msFileDateTime, "05/11/1998 08:01:00 PM");
  }
  EXPECT_EQ(facts.reads["find C:\\HIDDEN.DLL"], 1);
  EXPECT_EQ(facts.reads["length C:\\HIDDEN.DLL"], 1);
}

TEST(CachingFileFacts, RemembersAMissingFilesFailure) {
  FakeFileFacts facts;
  CachingFileFacts cache(facts);
  EXPECT_THROW(cache.LastWriteLocalTime("C:\\NONE"), kes::Failure);
  EXPECT_THROW(cache.LastWriteLocalTime("C:\\NONE"), kes::Failure);
  EXPECT_EQ(facts.reads["date C:\\NONE"], 1);
}

TEST(CachingFileFacts, HandsEachReaderItsOwnCopyOfTheResource) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\V.DLL", 0x00010002, 0x00030004);
  CachingFileFacts cache(facts);
  std::uint32_t handle = 0;
  const std::uint32_t size = cache.VersionInfoSize("C:\\V.DLL", handle);
  std::vector<unsigned char> first(size), second(size, 0xEE);
  ASSERT_TRUE(cache.VersionInfo("C:\\V.DLL", handle, size, first.data()));
  first[FakeFileFacts::kFixedInfoAt + 8] = 0x77;
  ASSERT_TRUE(cache.VersionInfo("C:\\V.DLL", handle, size, second.data()));
  EXPECT_EQ(second[FakeFileFacts::kFixedInfoAt + 8], 0x02);
  EXPECT_EQ(second[0], 0x00);
  EXPECT_EQ(facts.reads["resource C:\\V.DLL"], 1);
}

}  // namespace
