// The startup command splitter over any command, in a one-byte and a
// double-byte code page: the program it names is a canonical path the finder
// found, and the arguments are the end of the command.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "platform/full_path.h"
#include "startup/command_split.h"

namespace {

// Finds every path whose name is TOOL.EXE, RUN.BAT or one double-byte name,
// in any folder.
class SomeFiles final : public platform::FileFinder {
 public:
  explicit SomeFiles(const platform::FileNameRule& rule) : rule_(rule) {}
  bool FindNormalFile(const std::string& path) override {
    const std::string name = rule_.Folded(rule_.SplitFolderName(path).name);
    return name == "TOOL.EXE" || name == "RUN.BAT" || name == "\x83\x5C.EXE";
  }

 private:
  const platform::FileNameRule& rule_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const platform::FileNameRule rule(platform::CodePage::Numbered(data[0] % 2 == 0 ? 1252 : 932));
  const std::string command(reinterpret_cast<const char*>(data) + 1, size - 1);
  SomeFiles files(rule);
  const Startup::ProgramSearch search{"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", {"D:\\BIN", "E:\\"}};
  const Startup::CommandProgram found = Startup::SplitCommand(rule, files, search, command);
  if (found.program.empty()) {
    Require(found.arguments.empty());
    return 0;
  }
  Require(platform::CanonicalPath(rule, found.program) == found.program);
  Require(files.FindNormalFile(found.program));
  Require(found.arguments.size() < command.size());
  Require(command.ends_with(found.arguments));
  return 0;
}
