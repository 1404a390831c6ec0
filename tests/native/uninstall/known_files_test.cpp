#include "uninstall/known_files.h"

#include <gtest/gtest.h>

#include "tests/fakes/failure_of.h"
#include "tests/fakes/uninstall_fakes.h"

namespace kesclean {
void PrintTo(const FileAction& action, std::ostream* out) {
  *out << "{" << action.path << ", " << (action.remove ? "remove" : "keep") << "}";
}
}  // namespace kesclean

namespace {

using kesclean::FileAction;
using platform::FolderEntry;

TEST(KnownFileEntryTest, TakesTheRestAfterTheKeywordAndOneSeparator) {
  struct Case {
    std::string line;
    std::optional<std::string> entry;
  };
  const Case cases[] = {
      {"PrivateFile: \"C:\\K\\a.exe\"", "\"C:\\K\\a.exe\""},
      {"File1=x PrivateFile: \"C:\\K\\b.dll\" ", "\"C:\\K\\b.dll\""},  // in the middle
      {"PrivateFile:x\"C:\\K\\c\"", "\"C:\\K\\c\""},                   // any separator
      {"PrivateFile:   \"C:\\K\\d\"   ", "\"C:\\K\\d\""},              // blanks around
      {"PrivateFile:", ""},                                            // an empty entry
      {"PrivateFile: ", ""},
      {"privatefile: \"C:\\K\\e\"", std::nullopt},  // the keyword's case counts
      {"PRIVATEFILE: \"C:\\K\\f\"", std::nullopt},
      {"SharedFile: \"C:\\K\\g\"", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(kesclean::KnownFileEntry(c.line), c.entry) << c.line;
  }
}

TEST(KnownFilesInTest, ReadsEveryLineEndingInFileOrder) {
  EXPECT_EQ(kesclean::KnownFilesIn("PrivateFile: \"a\"\r\nnothing\nPrivateFile: \"b\"\r"
                                   "PrivateFile:\nPrivateFile: \"c\""),
            (std::vector<std::string>{"\"a\"", "\"b\"", "", "\"c\""}));
  EXPECT_TRUE(kesclean::KnownFilesIn("no keyword here\r\n").empty());
}

TEST(KnownFilesInTest, TakesAtMost32767Entries) {
  std::string log;
  for (int i = 0; i < 32767; ++i) {
    log += "PrivateFile: \"x\"\r\n";
  }
  EXPECT_EQ(kesclean::KnownFilesIn(log).size(), 32767u);
  log += "PrivateFile: \"one too many\"\r\n";
  EXPECT_EQ(kes_test::FailureOf([&] { kesclean::KnownFilesIn(log); }),
            "9 - Subscript out of range");
}

TEST(PlanRemovalTest, KeepsKnownFilesAndTheLogAndLeavesFoldersAndSystemFilesOut) {
  const std::vector<FolderEntry> listing = {
      {".", platform::kAttrDirectory},
      {"..", platform::kAttrDirectory},
      {"KESVIEW.EXE", platform::kAttrArchive},
      {"st5unst.log", 0},
      {"notes.txt", platform::kAttrReadOnly},
      {"hidden.dat", platform::kAttrHidden},
      {"IO.SYS", platform::kAttrHidden | platform::kAttrSystem | platform::kAttrReadOnly},
      {"boot.ini", platform::kAttrSystem},
      {"plugins", platform::kAttrDirectory},
      {"LABEL", platform::kAttrVolume},
      {"..\\outside.txt", 0},
  };
  platform::FileNameRule rule;
  EXPECT_EQ(
      kesclean::PlanRemoval("C:\\Kes\\", listing, "ST5UNST.LOG", {"C:\\KES\\KESVIEW.EXE"}, rule),
      (std::vector<FileAction>{{"C:\\Kes\\KESVIEW.EXE", false},
                               {"C:\\Kes\\st5unst.log", false},
                               {"C:\\Kes\\notes.txt", true},
                               {"C:\\Kes\\hidden.dat", true}}));
}

TEST(KnownFileKeysTest, EachEntryByItsLongPathOrElseItsText) {
  uninstall_test::Events events;
  uninstall_test::MemoryFolder disk(events);
  platform::FileNameRule rule;
  disk.files["C:\\Program Files\\Kestrel\\kesview.exe"] = {};
  disk.shortNames["C:\\PROGRA~1"] = "C:\\Program Files";
  EXPECT_EQ(kesclean::KnownFileKeys(
                {"\"C:\\PROGRA~1\\kestrel\\KESVIEW.EXE\"",
                 "\"C:\\Program Files\\Kestrel\\.\\gone.txt\"", "\"C:\\K\\trailing dot.\""},
                disk, rule),
            std::optional(std::set<std::string>{"C:\\PROGRAM FILES\\KESTREL\\KESVIEW.EXE",
                                                "C:\\PROGRAM FILES\\KESTREL\\GONE.TXT",
                                                "C:\\K\\TRAILING DOT."}));
}

}  // namespace
