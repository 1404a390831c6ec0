#include "snapshot/caching_file_facts.h"

#include <algorithm>

template <class Key, class T, class Read>
T CachingFileFacts::Recall(Memo<Key, T>& memo, const Key& key, Read read) {
  auto [at, fresh] = memo.try_emplace(key);
  Answer<T>& answer = at->second;
  if (fresh) {
    try {
      answer.value = read();
    } catch (...) {
      answer.failure = std::current_exception();
    }
  }
  if (answer.failure) std::rethrow_exception(answer.failure);
  return *answer.value;
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
  return Recall(separators_, 0, [&] { return inner_.Separators(); });
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
  // The resource is kept once per path and handed out as a copy; the answer
  // is a reference into the map, which never moves its elements.
  auto [at, fresh] = resources_.try_emplace(ResourceKey{path, handle, size});
  Answer<ResourceAnswer>& answer = at->second;
  if (fresh) {
    try {
      ResourceAnswer read;
      read.bytes.assign(size, 0);
      read.read = inner_.VersionInfo(path, handle, size, read.bytes.data());
      answer.value = std::move(read);
    } catch (...) {
      answer.failure = std::current_exception();
    }
  }
  if (answer.failure) std::rethrow_exception(answer.failure);
  std::copy(answer.value->bytes.begin(), answer.value->bytes.end(),
            static_cast<unsigned char*>(data));
  return answer.value->read;
}

bool CachingFileFacts::QueryVersionValue(const void* block, const std::string& subBlock,
                                         const void*& buffer, std::uint32_t& length) {
  // A query reads only the caller's own copy of the resource.
  return inner_.QueryVersionValue(block, subBlock, buffer, length);
}
