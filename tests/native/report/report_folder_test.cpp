#include "report/report_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/failure.h"

namespace {

// Folders and files by path; one path that cannot be asked about.
class KnownFolders final : public platform::FolderFiles {
 public:
  std::map<std::string, std::uint32_t> attributes{
      {"C:\\Reports", platform::kAttrDirectory},
      {"C:\\My Documents", platform::kAttrDirectory | platform::kAttrReadOnly},
      {"C:\\WINDOWS\\Desktop", platform::kAttrDirectory},
      {"C:\\notes.txt", platform::kAttrArchive}};

  std::vector<platform::FolderEntry> List(const std::string&) override { return {}; }
  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    if (path == "\\\\gone\\share") throw kes::Failure(53, "The network path was not found");
    const auto found = attributes.find(path);
    return found == attributes.end() ? std::nullopt : std::optional(found->second);
  }
  std::string ReadTextFile(const std::string&) override { return {}; }
  void SetNormalAttributes(const std::string&) override {}
  void RemoveFolder(const std::string&) override {}
};

TEST(ReportFolder, SaveAsOpensInTheFirstFolderThatIsThere) {
  struct Case {
    std::string last, documents, desktop, expected;
  };
  const Case cases[] = {
      {"C:\\Reports", "C:\\My Documents", "C:\\WINDOWS\\Desktop", "C:\\Reports"},
      {"C:\\Deleted", "C:\\My Documents", "C:\\WINDOWS\\Desktop", "C:\\My Documents"},
      {"\\\\gone\\share", "", "C:\\WINDOWS\\Desktop", "C:\\WINDOWS\\Desktop"},
      {"C:\\notes.txt", "", "", ""},
  };
  KnownFolders folders;
  for (const Case& c : cases) {
    EXPECT_EQ(Report::SaveAsFolder({c.last, c.documents, c.desktop}, folders), c.expected)
        << c.last;
  }
}

TEST(ReportFolder, TheFolderOfAReportKeepsTheBackslashOfADriveRoot) {
  EXPECT_EQ(Report::FolderOf(platform::FileNameRule(), "C:\\Reports\\before.txt"), "C:\\Reports");
  EXPECT_EQ(Report::FolderOf(platform::FileNameRule(), "C:\\before.txt"), "C:\\");
  EXPECT_EQ(Report::FolderOf(platform::FileNameRule(), "\\\\server\\share\\before.txt"),
            "\\\\server\\share");
  EXPECT_EQ(Report::FolderOf(platform::FileNameRule(), "before.txt"), "");
}

}  // namespace
