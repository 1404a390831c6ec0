#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/full_path.h"
#include "report/report_compare.h"
#include "sample_snapshot.h"

namespace {

// Paths of the double-byte code pages: a trail byte 0x5C that is no
// separator, trail bytes in the range of the ASCII letters that never fold,
// and a lead byte that a cut left at the end. Each path against another
// spelling: the same file or not, by the rule and in a comparison of two
// snapshots that each ran one program from there.
TEST(DoubleBytePaths, SplitJoinAndCompareByWholeCharacters) {
  const struct {
    unsigned codePage;
    bool same;  // `other` names the same file
    std::string path;
    std::string folder;  // up to and including the last separator
    std::string withBackslash;
    std::optional<std::string> canonical;
    std::string other;
  } cases[] = {
      // 932: "\x95\x5C" and "\x8E\xA6" make a folder name; "\x83\x63" and
      // "\x83\x43" are two letters of one kind.
      {932, true, "C:\\\x95\x5C", "C:\\", "C:\\\x95\x5C\\", "C:\\\x95\x5C", "c:\\\x95\x5C"},
      {932, true, "C:\\\x95\x5C\x8E\xA6\\a.exe", "C:\\\x95\x5C\x8E\xA6\\",
       "C:\\\x95\x5C\x8E\xA6\\a.exe\\", "C:\\\x95\x5C\x8E\xA6\\a.exe",
       "C:\\\x95\x5C\x8E\xA6\\A.EXE"},
      {932, false, "C:\\\x83\x63\\x.exe", "C:\\\x83\x63\\", "C:\\\x83\x63\\x.exe\\",
       "C:\\\x83\x63\\x.exe", "C:\\\x83\x43\\x.exe"},
      {932, false, "C:\\K\\\x95", "C:\\K\\", "C:\\K\\", std::nullopt,
       "C:\\K\\\x95\x5C"},  // cut short
      {932, false, "\\\\s\\\x95", "\\\\s\\", "\\\\s\\", std::nullopt,
       "\\\\s\\\x95\x5C"},  // a share name cut short
      {936, true, "C:\\\x81\x5C\\x.dll", "C:\\\x81\x5C\\", "C:\\\x81\x5C\\x.dll\\",
       "C:\\\x81\x5C\\x.dll", "C:\\\x81\x5C\\X.DLL"},
      {936, false, "C:\\\x81\x61", "C:\\", "C:\\\x81\x61\\", "C:\\\x81\x61", "C:\\\x81\x41"},
      {949, false, "C:\\\xB0\x61\\x.dll", "C:\\\xB0\x61\\", "C:\\\xB0\x61\\x.dll\\",
       "C:\\\xB0\x61\\x.dll", "C:\\\xB0\x41\\x.dll"},
      {949, true, "D:\\k\\\xB0", "D:\\k\\", "D:\\k\\", std::nullopt, "D:\\K\\\xB0"},
      {950, true, "C:\\\xB3\x5C\\a.exe", "C:\\\xB3\x5C\\", "C:\\\xB3\x5C\\a.exe\\",
       "C:\\\xB3\x5C\\a.exe", "c:\\\xB3\x5C\\A.exe"},
      {950, false, "C:\\\xA4\x7A", "C:\\", "C:\\\xA4\x7A\\", "C:\\\xA4\x7A", "C:\\\xA4\x5A"},
  };
  for (const auto& c : cases) {
    const platform::FileNameRule rule(platform::CodePage::Numbered(c.codePage));
    EXPECT_EQ(rule.SplitFolderName(c.path).folder, c.folder) << c.path;
    EXPECT_EQ(rule.AddBackslash(c.path), c.withBackslash) << c.path;
    EXPECT_EQ(platform::CanonicalPath(rule, c.path), c.canonical) << c.path;
    EXPECT_EQ(platform::SameFileName(rule, c.path, c.other), c.same) << c.path;

    kes_test::SampleSnapshot before, after;
    before.AddProcess().msExePath = c.path;
    after.AddProcess().msExePath = c.other;
    const Report::Comparison comparison = Report::CompareSnapshots(
        Report::FromLive(before.Records(), "old"), Report::FromLive(after.Records(), "new"), rule);
    EXPECT_EQ(comparison.differs, !c.same) << c.path;
  }
}

}  // namespace
