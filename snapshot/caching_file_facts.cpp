#include "snapshot/caching_file_facts.h"

#include <algorithm>

template <class T, class Read>
CachingFileFacts::Answer<T>& CachingFileFacts::Remember(Memo<T>& memo, const std::string& path,
                                                        Read read) {
  // A reference into the map stays valid as it grows.
  auto [at, fresh] = memo.try_emplace(path);
  Answer<T>& answer = at->second;
  if (fresh) {
    try {
      answer.value = read();
    } catch (...) {
      answer.failure = std::current_exception();
    }
  }
  if (answer.failure) {
    std::rethrow_exception(answer.failure);
  }
  return answer;
}

template <class T, class Read>
T CachingFileFacts::Recall(Memo<T>& memo, const std::string& path, Read read) {
  return *Remember(memo, path, read).value;
}

bool CachingFileFacts::FindNormalFile(const std::string& path) {
  return Recall(found_, path, [&] { return inner_.FindNormalFile(path); });
}

platform::FileDateTime CachingFileFacts::LastWriteLocalTime(const std::string& path) {
  return Recall(dates_, path, [&] { return inner_.LastWriteLocalTime(path); });
}

std::int32_t CachingFileFacts::Length(const std::string& path) {
  return Recall(lengths_, path, [&] { return inner_.Length(path); });
}

platform::DateTimeSeparators CachingFileFacts::Separators() {
  return Recall(separators_, {}, [&] { return inner_.Separators(); });
}

std::optional<platform::FileEntry> CachingFileFacts::Entry(const std::string& path) {
  return Recall(entries_, path, [&] { return inner_.Entry(path); });
}

std::uint32_t CachingFileFacts::VersionInfoSize(const std::string& path, std::uint32_t& handle) {
  const SizeAnswer answer = Recall(sizes_, path, [&] {
    SizeAnswer read;
    read.size = inner_.VersionInfoSize(path, read.handle);
    return read;
  });
  handle = answer.handle;
  return answer.size;
}

bool CachingFileFacts::VersionInfo(const std::string& path, std::uint32_t handle,
                                   std::uint32_t size, void* data) {
  const ResourceAnswer& answer = *Remember(resources_, path, [&] {
                                    ResourceAnswer read{handle, size, false, {}};
                                    read.bytes.assign(size, 0);
                                    read.read =
                                        inner_.VersionInfo(path, handle, size, read.bytes.data());
                                    return read;
                                  }).value;
  // The engine always asks with the handle and size it was given; anything
  // else is read afresh.
  if (answer.handle != handle || answer.size != size) {
    return inner_.VersionInfo(path, handle, size, data);
  }
  std::copy(answer.bytes.begin(), answer.bytes.end(), static_cast<unsigned char*>(data));
  return answer.read;
}

bool CachingFileFacts::QueryVersionValue(const void* block, const std::string& subBlock,
                                         const void*& buffer, std::uint32_t& length) {
  // A query reads only the caller's own copy of the resource.
  return inner_.QueryVersionValue(block, subBlock, buffer, length);
}
