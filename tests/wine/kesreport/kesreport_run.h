#pragma once

// Runs the built kesreport.exe as a batch file would, its standard output and
// error caught in files.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/scoped_handle.h"
#include "tests/fakes/win32_helpers.h"

namespace kes_test {

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What one run of kesreport printed and how it ended.
struct Outcome {
  DWORD status = 0xFFFFFFFF;
  std::string out, err;
};

// The child's standard handles: output that refuses every write (opened for
// reading only), and no standard error at all.
struct Streams {
  bool outWritable = true;
  bool errGiven = true;
};

inline Outcome Kesreport(const std::string& arguments, Streams streams = {}) {
  // Fresh names for every run: a finished child's handles may close a little
  // after it has ended.
  static int runs = 0;
  const std::string number = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  const std::string outPath = TempPath("kesreport-out-" + number + ".txt");
  const std::string errPath = TempPath("kesreport-err-" + number + ".txt");
  Outcome run;
  {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    platform::ScopedHandle out(CreateFileA(outPath.c_str(),
                                           streams.outWritable ? GENERIC_WRITE : GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    platform::ScopedHandle err(CreateFileA(errPath.c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string line = "\"" + ProgramFolder() + "kesreport.exe\" " + arguments;
    // The child inherits this program's standard handles, pointed at the
    // files while it starts.
    const HANDLE ownOut = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE ownErr = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, out.Get());
    SetStdHandle(STD_ERROR_HANDLE, streams.errGiven ? err.Get() : nullptr);
    const BOOL created = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &started);
    SetStdHandle(STD_OUTPUT_HANDLE, ownOut);
    SetStdHandle(STD_ERROR_HANDLE, ownErr);
    if (!created) {
      return run;
    }
    platform::ScopedHandle process(started.hProcess), thread(started.hThread);
    if (WaitForSingleObject(process.Get(), 60000) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process.Get(), &run.status);
    }
  }
  run.out = ReadAll(outPath);
  run.err = ReadAll(errPath);
  DeleteFileA(outPath.c_str());
  DeleteFileA(errPath.c_str());
  return run;
}

}  // namespace kes_test
