#include <gtest/gtest.h>

#include <memory>

#include "fake_file_facts.h"
#include "platform/failure.h"
#include "snapshot/collection.h"
#include "snapshot/module.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "tests/fakes/failure_of.h"

namespace {

struct Counted {
  explicit Counted(int& alive) : alive(alive) { ++alive; }
  ~Counted() { --alive; }
  int& alive;
};

TEST(Collection, IsOneBasedInInsertionOrderAndRefusesOtherPositions) {
  kes::Collection<clsTask> tasks;
  EXPECT_EQ(tasks.Count(), 0);
  for (const char* name : {"first", "second", "third"}) {
    auto task = std::make_unique<clsTask>();
    task->msName = name;
    tasks.Add(std::move(task));
  }
  ASSERT_EQ(tasks.Count(), 3);
  EXPECT_EQ(tasks.Item(1).msName, "first");
  EXPECT_EQ(tasks.Item(3).msName, "third");
  for (int outside : {0, 4, -1}) {
    EXPECT_EQ(kes_test::FailureNumber([&] { tasks.Item(outside); }), kes::kErrSubscriptOutOfRange)
        << outside;
  }
}

TEST(Collection, ReleasesItsRecordsWithItself) {
  int alive = 0;
  {
    kes::Collection<Counted> records;
    records.Add(std::make_unique<Counted>(alive));
    records.Add(std::make_unique<Counted>(alive));
    EXPECT_EQ(alive, 2);
  }
  EXPECT_EQ(alive, 0);
}

TEST(AddModule, SetsEveryMemberAndAppendsInOrder) {
  FakeFileFacts facts;
  facts.AddVersioned("C:\\WINDOWS\\SYSTEM\\A.DLL", 0x0004000A, 0x000007CE).length = 4096;
  facts.Add("C:\\WINDOWS\\SYSTEM\\B.DLL");
  clsProcess process;
  EXPECT_FALSE(process.AddModule("A.DLL", "C:\\WINDOWS\\SYSTEM\\A.DLL", 11, 12, 13, 14,
                                 static_cast<std::int32_t>(0xBFF70000u), 16, 17, 1, facts));
  process.AddModule("B.DLL", "C:\\WINDOWS\\SYSTEM\\B.DLL", 0, 0, 0, 0, 0, 0, 0, 2, facts);

  ASSERT_EQ(process.mcolModules.Count(), 2);
  const clsModule& module = process.mcolModules.Item(1);
  EXPECT_EQ(module.mlID, 1);
  EXPECT_EQ(module.msName, "A.DLL");
  EXPECT_EQ(module.msExePath, "C:\\WINDOWS\\SYSTEM\\A.DLL");
  EXPECT_EQ(module.mlth32ModuleID, 11);
  EXPECT_EQ(module.mlth32ProcessID, 12);
  EXPECT_EQ(module.mGlblcntUsage, 13);
  EXPECT_EQ(module.mProccntUsage, 14);
  EXPECT_EQ(module.mmodBaseAddr, static_cast<std::int32_t>(0xBFF70000u));
  EXPECT_EQ(module.mmodBaseSize, 16);
  EXPECT_EQ(module.mhModule, 17);
  EXPECT_EQ(module.mlFileSize, 4096);
  EXPECT_EQ(module.msFileDateTime, "05/11/1998 08:01:00 PM");
  EXPECT_EQ(module.moVersionInfo.mnFileVerMaj, 4);
  EXPECT_EQ(module.moVersionInfo.mnFileVerMin, 10);
  EXPECT_EQ(module.moVersionInfo.mnFileVerRevLo, 1998);
  EXPECT_EQ(process.mcolModules.Item(2).msName, "B.DLL");
}

TEST(AddModule, LeavesTheRecordOutWhenItsFileIsMissing) {
  FakeFileFacts facts;
  clsProcess process;
  EXPECT_THROW(process.AddModule("GONE.DLL", "C:\\GONE.DLL", 0, 0, 0, 0, 0, 0, 0, 1, facts),
               kes::Failure);
  EXPECT_EQ(process.mcolModules.Count(), 0);
}

TEST(ExePath, AHiddenFileFailsAfterItsDateAndLengthWereRead) {
  FakeFileFacts facts;
  facts.Add("C:\\HIDDEN.EXE", 777).normal = false;
  clsProcess process;
  EXPECT_EQ(kes_test::FailureOf([&] { process.ExePath("C:\\HIDDEN.EXE", facts); }),
            "53 - File Not Found:\r\n\r\nC:\\HIDDEN.EXE");
  EXPECT_EQ(process.msExePath, "C:\\HIDDEN.EXE");
  EXPECT_EQ(process.msFileDateTime, "05/11/1998 08:01:00 PM");
  EXPECT_EQ(process.mlFileSize, 777);
  EXPECT_EQ(process.moVersionInfo.msFile, "");
}

TEST(ExePath, AMissingFileFailsWithFileNotFoundBeforeAnyFactIsSet) {
  FakeFileFacts facts;
  clsModule module;
  EXPECT_EQ(kes_test::FailureNumber([&] { module.ExePath("C:\\NOWHERE.DLL", facts); }),
            kes::kErrFileNotFound);
  EXPECT_EQ(module.msExePath, "C:\\NOWHERE.DLL");
  EXPECT_EQ(module.msFileDateTime, "");
  EXPECT_EQ(module.mlFileSize, 0);
}

}  // namespace
