#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/file_facts.h"

// Remembers every answer of another FileFacts, failures included, so that a
// path met by many processes is read from disk once. The answers are the
// inner object's own, so records come out as if each had been read alone.
// Meant to live for one snapshot: files may change between snapshots.
class CachingFileFacts final : public platform::FileFacts {
 public:
  explicit CachingFileFacts(platform::FileFacts& inner) : inner_(inner) {}

  bool FindNormalFile(const std::string& path) override;
  platform::FileDateTime LastWriteLocalTime(const std::string& path) override;
  std::int32_t Length(const std::string& path) override;
  platform::DateTimeSeparators Separators() override;
  std::optional<platform::FileEntry> Entry(const std::string& path) override;
  std::uint32_t VersionInfoSize(const std::string& path, std::uint32_t& handle) override;
  bool VersionInfo(const std::string& path, std::uint32_t handle, std::uint32_t size,
                   void* data) override;
  bool QueryVersionValue(const void* block, const std::string& subBlock, const void*& buffer,
                         std::uint32_t& length) override;

 private:
  // One remembered answer: a value or the failure the inner object raised.
  template <class T>
  struct Answer {
    std::optional<T> value;
    std::exception_ptr failure;
  };
  template <class T>
  using Memo = std::unordered_map<std::string, Answer<T>>;

  template <class T, class Read>
  static Answer<T>& Remember(Memo<T>& memo, const std::string& path, Read read);
  template <class T, class Read>
  static T Recall(Memo<T>& memo, const std::string& path, Read read);

  struct SizeAnswer {
    std::uint32_t size = 0;
    std::uint32_t handle = 0;
  };
  struct ResourceAnswer {
    std::uint32_t handle = 0;
    std::uint32_t size = 0;
    bool read = false;
    std::vector<unsigned char> bytes;
  };

  platform::FileFacts& inner_;
  Memo<bool> found_;
  Memo<platform::FileDateTime> dates_;
  Memo<std::int32_t> lengths_;
  Memo<platform::DateTimeSeparators> separators_;
  Memo<std::optional<platform::FileEntry>> entries_;
  Memo<SizeAnswer> sizes_;
  Memo<ResourceAnswer> resources_;
};
