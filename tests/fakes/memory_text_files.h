#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/failure.h"
#include "platform/text_sink.h"

namespace kes_test {

// Text kept in memory, one entry per write.
class MemorySink : public platform::TextSink {
 public:
  void Write(std::string_view text) override { writes.emplace_back(text); }
  std::string Text() const {
    std::string all;
    for (const std::string& piece : writes) all += piece;
    return all;
  }
  std::vector<std::string> writes;
};

// Files held in memory. A file can be refused at creation, or refuse every
// write after the first `writesAllowed`.
class MemoryTextFiles final : public platform::TextFiles {
 public:
  struct Stored {
    std::vector<std::string> writes;
    int closes = 0;
  };

  std::unique_ptr<platform::TextFile> Create(const std::string& path) override {
    if (refuseCreate) throw kes::Failure(76, "Path not found: " + path);
    Stored& stored = files[path];
    stored = {};
    return std::make_unique<File>(stored, writesAllowed);
  }

  std::string Read(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end()) throw kes::Failure(53, "File not found: " + path);
    return Text(path);
  }

  std::string Text(const std::string& path) const {
    std::string all;
    for (const std::string& piece : files.at(path).writes) all += piece;
    return all;
  }

  bool refuseCreate = false;
  int writesAllowed = -1;  // any number
  std::map<std::string, Stored> files;

 private:
  class File final : public platform::TextFile {
   public:
    File(Stored& stored, int allowed) : stored_(stored), allowed_(allowed) {}
    void Write(std::string_view text) override {
      if (allowed_ >= 0 && static_cast<int>(stored_.writes.size()) >= allowed_) {
        throw kes::Failure(61, "Disk full");
      }
      stored_.writes.emplace_back(text);
    }
    void Close() override { ++stored_.closes; }

   private:
    Stored& stored_;
    int allowed_;
  };
};

}  // namespace kes_test
