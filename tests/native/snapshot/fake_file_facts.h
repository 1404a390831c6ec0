#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/file_facts.h"

// Files held in memory. A file's version resource is laid out as the real
// one is for what the engine reads: a fixed-info record at kFixedInfoAt whose
// file version words sit 8 and 12 bytes in.
class FakeFileFacts : public platform::FileFacts {
 public:
  struct File {
    bool normal = true;  // false: hidden or system
    platform::FileDateTime written{1998, 5, 11, 20, 1, 0};
    std::int32_t length = 0;
    bool hasVersion = false;
    std::uint32_t versionMs = 0;
    std::uint32_t versionLs = 0;
    std::uint32_t reportedSize = 0;  // 0: the resource's own size
  };
  static constexpr std::uint32_t kFixedInfoAt = 40;
  static constexpr std::uint32_t kResourceSize = 200;

  File& Add(const std::string& path, std::int32_t length = 1000) {
    File& file = files_[path];
    file.length = length;
    return file;
  }
  File& AddVersioned(const std::string& path, std::uint32_t ms, std::uint32_t ls) {
    File& file = Add(path);
    file.hasVersion = true;
    file.versionMs = ms;
    file.versionLs = ls;
    return file;
  }

  platform::DateTimeSeparators separators;
  // A failure raised by the version library for this path.
  std::string failingVersionPath;
  // Calls ("size " or "resource " and the path) that fail once, as the
  // version library does for a file in use: a size of 0, a read of false.
  std::set<std::string> failOnce;
  // How many times each call reached this object, by path.
  std::map<std::string, int> reads;
  std::uint32_t lastRequestedSize = 0;

  bool FindNormalFile(const std::string& path) override {
    ++reads["find " + path];
    const auto it = files_.find(path);
    return it != files_.end() && it->second.normal;
  }
  platform::FileDateTime LastWriteLocalTime(const std::string& path) override {
    ++reads["date " + path];
    return Existing(path).written;
  }
  std::int32_t Length(const std::string& path) override {
    ++reads["length " + path];
    return Existing(path).length;
  }
  platform::DateTimeSeparators Separators() override { return separators; }
  // The time stamp counts the written time's parts, down to the second.
  std::optional<platform::FileEntry> Entry(const std::string& path) override {
    ++reads["entry " + path];
    const auto it = files_.find(path);
    if (it == files_.end()) return std::nullopt;
    const platform::FileDateTime& w = it->second.written;
    const std::uint64_t stamp =
        ((((std::uint64_t(w.year) * 13 + w.month) * 32 + w.day) * 24 + w.hour) * 60 + w.minute) *
            60 +
        w.second;
    return platform::FileEntry{static_cast<std::uint32_t>(it->second.length), stamp, w,
                               it->second.normal};
  }
  void Remove(const std::string& path) { files_.erase(path); }

  std::uint32_t VersionInfoSize(const std::string& path, std::uint32_t& handle) override {
    ++reads["size " + path];
    if (path == failingVersionPath) throw std::runtime_error("version library failed");
    handle = 0;
    const File& file = Existing(path);
    if (!file.hasVersion || failOnce.erase("size " + path) != 0) return 0;
    return file.reportedSize != 0 ? file.reportedSize : kResourceSize;
  }
  bool VersionInfo(const std::string& path, std::uint32_t, std::uint32_t size,
                   void* data) override {
    ++reads["resource " + path];
    lastRequestedSize = size;
    const File& file = Existing(path);
    if (!file.hasVersion || failOnce.erase("resource " + path) != 0) return false;
    if (size < kFixedInfoAt + 52) return true;  // cut short by the caller's size
    auto* bytes = static_cast<unsigned char*>(data);
    std::memcpy(bytes + kFixedInfoAt + 8, &file.versionMs, 4);
    std::memcpy(bytes + kFixedInfoAt + 12, &file.versionLs, 4);
    return true;
  }
  bool QueryVersionValue(const void* block, const std::string& subBlock, const void*& buffer,
                         std::uint32_t& length) override {
    if (subBlock != "\\") return false;
    buffer = static_cast<const unsigned char*>(block) + kFixedInfoAt;
    length = 52;
    return true;
  }

 private:
  const File& Existing(const std::string& path) const {
    const auto it = files_.find(path);
    if (it == files_.end()) throw kes::Failure(kes::kErrFileNotFound, "File not found");
    return it->second;
  }

  std::map<std::string, File> files_;
};
