#include "explorer/file_properties.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "snapshot_builder.h"

namespace {

using Rows = std::vector<Explorer::Row>;

TEST(FileProperties, RecordFactsFileNowAndAFileThatCouldNotBeRead) {
  SnapshotBuilder s;
  clsProcess& mail = s.Process("C:\\APPS\\MAIL.EXE");
  mail.mlFileSize = 12288;
  mail.msFileDateTime = "05/11/1998 08:01:00 PM";
  mail.moVersionInfo.mnFileVerMaj = 4;
  mail.mlth32ProcessID = 255;
  mail.mlth32ParentProcessID = 16;
  mail.mcntThreads = 3;
  mail.mlPriority = 32;
  const clsModule& dll = SnapshotBuilder::Module(mail, 7, "GONE.DLL", "C:\\APPS\\GONE.DLL");
  VersionStrings::Strings strings;
  strings.table = "040904E4";
  strings.values[0] = "Mail reader";
  strings.values[7] = "";

  struct Case {
    const char* name;
    Explorer::NodeRecord record;
    Explorer::FileNow file;
    const char* caption;  // "" for no properties
    Rows rows;
  };
  const Case cases[] = {
      {"process",
       {nullptr, &mail, nullptr, nullptr},
       {0x21, strings},
       "MAIL.EXE Properties",
       {{"Path:", {"C:\\APPS\\MAIL.EXE"}},
        {"Size:", {"12288"}},
        {"Date:", {"05/11/1998 08:01:00 PM"}},
        {"Version:", {"4.0.0.0"}},
        {"Attributes:", {"Read-only, Archive"}},
        {"Process ID:", {"FF"}},
        {"Parent ProcessID:", {"10"}},
        {"Threads:", {"3"}},
        {"Priority:", {"Normal"}},
        {"Description:", {"Mail reader"}},
        {"Comments:", {""}}}},
      {"module gone",
       {nullptr, &mail, &dll, nullptr},
       {std::nullopt, std::nullopt},
       "GONE.DLL Properties",
       {{"Path:", {"C:\\APPS\\GONE.DLL"}},
        {"Size:", {"0"}},
        {"Date:", {""}},
        {"Version:", {"0.0.0.0"}},
        {"Note:", {"The file could not be read; this is what the snapshot holds."}}}},
      {"module without version resource",
       {nullptr, &mail, &dll, nullptr},
       {0x20, std::nullopt},
       "GONE.DLL Properties",
       {{"Path:", {"C:\\APPS\\GONE.DLL"}},
        {"Size:", {"0"}},
        {"Date:", {""}},
        {"Version:", {"0.0.0.0"}},
        {"Attributes:", {"Archive"}},
        {"Note:", {"No version information"}}}},
      {"top window", {&s.Task("Inbox"), nullptr, nullptr, nullptr}, {0, strings}, "", {}},
  };
  for (const Case& c : cases) {
    const auto properties =
        Explorer::PropertiesOf(platform::FileNameRule(), c.record, c.file, true);
    ASSERT_EQ(properties.has_value(), *c.caption != '\0') << c.name;
    if (!properties) {
      continue;
    }
    EXPECT_EQ(properties->caption, c.caption) << c.name;
    EXPECT_EQ(properties->sheet.rows, c.rows) << c.name;
  }
}

}  // namespace
