#include "snapshot/file_facts_memory.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fake_file_facts.h"
#include "platform/file_name_rule.h"
#include "snapshot/module.h"
#include "tests/fakes/failure_of.h"

namespace {

// A module record of `path` read through one snapshot of `memory`, as
// "size date version" or the failure; `files.reads` counts what reached disk.
std::string Read(FileFactsMemory& memory, FakeFileFacts& files, const std::string& path) {
  FileFactsMemory::Snapshot snapshot(memory, files);
  clsModule module;
  const std::string failure = kes_test::FailureOf([&] { module.ExePath(path, snapshot); });
  if (failure != "no failure") {
    return failure;
  }
  const clsVersionInfo& v = module.moVersionInfo;
  return std::to_string(module.mlFileSize) + " " + module.msFileDateTime + " " +
         std::to_string(v.mnFileVerMaj) + "." + std::to_string(v.mnFileVerMin) + "." +
         std::to_string(v.mnFileVerRevHi) + "." + std::to_string(v.mnFileVerRevLo);
}

TEST(FileFactsMemory, ReusesAFilesVersionOnlyWhileItsSizeAndTimeStayTheSame) {
  const std::string path = "C:\\WINDOWS\\SYSTEM\\LIB.DLL";
  const std::string lower = "c:\\windows\\system\\lib.dll";
  struct Case {
    const char* what;
    std::function<void(FakeFileFacts&)> change;  // between the first snapshot and the next
    bool leftOutOnce;                            // a snapshot between them does not meet the file
    std::string nextPath;
    std::string next;
    int resourceReads;               // in the next snapshot
    const char* failOnce = nullptr;  // a version call that fails in the first snapshot
  };
  const Case cases[] = {
      {"same, spelled in another letter case",
       [&](FakeFileFacts& f) { f.AddVersioned(lower, 0x00050006, 0x00070008); }, false, lower,
       "1000 05/11/1998 08:01:00 PM 1.2.3.4", 0},
      {"size changed",
       [&](FakeFileFacts& f) { f.AddVersioned(path, 0x00050006, 0x00070008).length = 1200; }, false,
       path, "1200 05/11/1998 08:01:00 PM 5.6.7.8", 1},
      {"time changed",
       [&](FakeFileFacts& f) { f.AddVersioned(path, 0x00050006, 0x00070008).written.second = 2; },
       false, path, "1000 05/11/1998 08:01:02 PM 5.6.7.8", 1},
      {"gone", [&](FakeFileFacts& f) { f.Remove(path); }, false, path, "53 - File not found", 0},
      {"unreadable (hidden now)", [&](FakeFileFacts& f) { f.Add(path).normal = false; }, false,
       path, "53 - File Not Found:\r\n\r\nC:\\WINDOWS\\SYSTEM\\LIB.DLL", 0},
      {"new", [](FakeFileFacts& f) { f.AddVersioned("C:\\NEW.DLL", 0x00090000, 0); }, false,
       "C:\\NEW.DLL", "1000 05/11/1998 08:01:00 PM 9.0.0.0", 1},
      {"not seen in the last snapshot", [](FakeFileFacts&) {}, true, path,
       "1000 05/11/1998 08:01:00 PM 1.2.3.4", 1},
      {"size read failed once", [](FakeFileFacts&) {}, false, path,
       "1000 05/11/1998 08:01:00 PM 1.2.3.4", 1, "size "},
      {"resource read failed once", [](FakeFileFacts&) {}, false, path,
       "1000 05/11/1998 08:01:00 PM 1.2.3.4", 1, "resource "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::FileNameRule rule;
    FileFactsMemory memory(rule);
    FakeFileFacts files;
    files.AddVersioned(path, 0x00010002, 0x00030004);
    files.Add("C:\\OTHER.DLL");
    if (c.failOnce != nullptr) {
      files.failOnce.insert(c.failOnce + path);
    }
    EXPECT_EQ(Read(memory, files, path), c.failOnce != nullptr
                                             ? "1000 05/11/1998 08:01:00 PM 0.0.0.0"
                                             : "1000 05/11/1998 08:01:00 PM 1.2.3.4");
    if (c.leftOutOnce) {
      Read(memory, files, "C:\\OTHER.DLL");
    }
    c.change(files);
    files.reads.clear();
    EXPECT_EQ(Read(memory, files, c.nextPath), c.next);
    EXPECT_EQ(files.reads["resource " + c.nextPath], c.resourceReads);
    EXPECT_EQ(files.reads["entry " + c.nextPath], 1);
    EXPECT_EQ(memory.Count(), c.next.starts_with("53") ? 0u : 1u);
  }
}

}  // namespace
