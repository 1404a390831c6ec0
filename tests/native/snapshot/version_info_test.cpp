#include "snapshot/version_info.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_file_facts.h"
#include "platform/failure.h"
#include "tests/fakes/failure_of.h"

namespace {

std::string Shown(const clsVersionInfo& version) {
  return std::to_string(version.mnFileVerMaj) + "." + std::to_string(version.mnFileVerMin) + "." +
         std::to_string(version.mnFileVerRevHi) + "." + std::to_string(version.mnFileVerRevLo);
}

std::string VersionOf(std::uint32_t ms, std::uint32_t ls) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\F.DLL", ms, ls);
  clsVersionInfo version;
  version.File("C:\\F.DLL", facts);
  EXPECT_EQ(version.msFile, "C:\\F.DLL");
  return Shown(version);
}

TEST(VersionInfo, SplitsBothWordsIntoTheFilesOwnUnsignedParts) {
  EXPECT_EQ(VersionOf(0x0004000A, 0x000007CE), "4.10.0.1998");
  // Parts above 32767 are kept as they are, neither dropped nor negative.
  EXPECT_EQ(VersionOf(0x00049C40, 0x000007CE), "4.40000.0.1998");
  EXPECT_EQ(VersionOf(0xFFFF0001, 0x80008001), "65535.1.32768.32769");
  EXPECT_EQ(VersionOf(0xFFFFFFFF, 0xFFFFFFFF), "65535.65535.65535.65535");
}

TEST(VersionInfo, AFileWithoutAResourceHasFourZeroParts) {
  FakeFileFacts facts;
  facts.Add("C:\\PLAIN.TXT");
  clsVersionInfo version;
  version.File("C:\\PLAIN.TXT", facts);
  EXPECT_EQ(Shown(version), "0.0.0.0");
  EXPECT_EQ(version.msFile, "C:\\PLAIN.TXT");
}

TEST(VersionInfo, NeverAsksForMoreThan64000Bytes) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\BIG.DLL", 0x00010002, 0x00030004).reportedSize = 900000;
  clsVersionInfo version;
  version.File("C:\\BIG.DLL", facts);
  EXPECT_EQ(facts.lastRequestedSize, 64000u);
  EXPECT_EQ(Shown(version), "1.2.3.4");
}

TEST(VersionInfo, AResourceCutShortGivesNoVersionAndReadsNothingBeyondIt) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\CUT.DLL", 0x00010002, 0x00030004).reportedSize = 20;
  clsVersionInfo version;
  version.File("C:\\CUT.DLL", facts);
  EXPECT_EQ(Shown(version), "0.0.0.0");
}

TEST(VersionInfo, EmptyHiddenOrMissingFilesAreNotFoundAndStoreNothing) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\HIDDEN.DLL", 0x00010000, 0).normal = false;
  for (const std::string path : {"", "C:\\HIDDEN.DLL", "C:\\MISSING.DLL"}) {
    clsVersionInfo version;
    EXPECT_EQ(kes_test::FailureOf([&] { version.File(path, facts); }),
              "53 - File Not Found:\r\n\r\n" + path);
    EXPECT_EQ(version.msFile, "");
    EXPECT_EQ(Shown(version), "0.0.0.0");
  }
}

TEST(VersionInfo, AFailureWhileReadingTheResourceComesBackWithTheApplicationNumber) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\BAD.DLL", 0x00010000, 0);
  facts.failingVersionPath = "C:\\BAD.DLL";
  clsVersionInfo version;
  EXPECT_EQ(kes_test::FailureOf([&] { version.File("C:\\BAD.DLL", facts); }),
            "-2147221504 - version library failed");  // the application base, 0x80040000
}

}  // namespace
