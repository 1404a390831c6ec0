#include "setupkit/st5unst/st5unst_log.h"

#include <gtest/gtest.h>

namespace {

TEST(St5unstLogTest, LogPathFromTheCommandLine) {
  struct Case {
    std::string commandLine;
    std::optional<std::string> log;
  };
  const Case cases[] = {
      {"C:\\WINDOWS\\ST5UNST.EXE -n \"C:\\Program Files\\Kestrel\\ST5UNST.LOG\"",
       "C:\\Program Files\\Kestrel\\ST5UNST.LOG"},
      {"\"C:\\My Windows\\ST5UNST.EXE\"  -n  C:\\K\\ST5UNST.LOG ", "C:\\K\\ST5UNST.LOG"},
      {"ST5UNST.EXE", std::nullopt},
      {"ST5UNST.EXE -n", std::nullopt},
      {"ST5UNST.EXE -x \"C:\\K\\ST5UNST.LOG\"", std::nullopt},
      {"ST5UNST.EXE -n \"C:\\K\\ST5UNST.LOG", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(st5unst::LogPathFromArguments(st5unst::ArgumentsOf(c.commandLine)), c.log)
        << c.commandLine;
  }
}

TEST(St5unstLogTest, FolderOfTheLog) {
  EXPECT_EQ(st5unst::FolderOf(platform::FileNameRule(), "C:\\Program Files\\Kestrel\\ST5UNST.LOG"),
            "C:\\Program Files\\Kestrel");
  EXPECT_EQ(st5unst::FolderOf(platform::FileNameRule(), "ST5UNST.LOG"), "");
}

}  // namespace
