#pragma once

#include <cstdint>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <tuple>
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
  template <class Key, class T>
  using Memo = std::map<Key, Answer<T>>;

  template <class Key, class T, class Read>
  static T Recall(Memo<Key, T>& memo, const Key& key, Read read);

  struct SizeAnswer {
    std::uint32_t size = 0;
    std::uint32_t handle = 0;
  };
  struct ResourceAnswer {
    bool read = false;
    std::vector<unsigned char> bytes;
  };
  using ResourceKey = std::tuple<std::string, std::uint32_t, std::uint32_t>;

  platform::FileFacts& inner_;
  Memo<std::string, bool> found_;
  Memo<std::string, platform::FileDateTime> dates_;
  Memo<std::string, std::int32_t> lengths_;
  Memo<int, platform::DateTimeSeparators> separators_;
  Memo<std::string, SizeAnswer> sizes_;
  Memo<ResourceKey, ResourceAnswer> resources_;
};
