#include "snapshot/file_facts_memory.h"

#include <algorithm>

FileFactsMemory::Snapshot::Snapshot(FileFactsMemory& memory, platform::FileFacts& files)
    : memory_(memory), files_(files) {}

FileFactsMemory::Snapshot::~Snapshot() {
  // Files this snapshot did not meet are dropped with the rest.
  memory_.known_ = std::move(next_);
}

const std::optional<platform::FileEntry>& FileFactsMemory::Snapshot::EntryOf(
    const std::string& path) {
  const auto found = entries_.find(path);
  if (found != entries_.end()) {
    return found->second;
  }
  return entries_.emplace(path, files_.Entry(path)).first->second;
}

const FileFactsMemory::Known* FileFactsMemory::Snapshot::Unchanged(const std::string& path) {
  const auto& entry = EntryOf(path);
  if (!entry) {
    return nullptr;
  }
  const auto found = memory_.known_.find(memory_.rule_.Folded(path));
  if (found == memory_.known_.end() || found->second.size != entry->size ||
      found->second.lastWrite != entry->lastWrite) {
    return nullptr;
  }
  return &found->second;
}

FileFactsMemory::Known* FileFactsMemory::Snapshot::Kept(const std::string& path) {
  const auto& entry = EntryOf(path);
  if (!entry) {
    return nullptr;
  }
  auto [kept, fresh] = next_.try_emplace(memory_.rule_.Folded(path));
  if (fresh) {
    const Known* was = Unchanged(path);
    kept->second =
        was != nullptr ? *was : Known{entry->size, entry->lastWrite, {}, 0, false, 0, {}};
  }
  return &kept->second;
}

bool FileFactsMemory::Snapshot::FindNormalFile(const std::string& path) {
  const auto& entry = EntryOf(path);
  return entry ? entry->normal : files_.FindNormalFile(path);
}

platform::FileDateTime FileFactsMemory::Snapshot::LastWriteLocalTime(const std::string& path) {
  const auto& entry = EntryOf(path);
  return entry ? entry->localWrite : files_.LastWriteLocalTime(path);
}

std::int32_t FileFactsMemory::Snapshot::Length(const std::string& path) {
  // The low 32 bits, as the length has always been read.
  const auto& entry = EntryOf(path);
  return entry ? static_cast<std::int32_t>(static_cast<std::uint32_t>(entry->size))
               : files_.Length(path);
}

std::optional<platform::FileEntry> FileFactsMemory::Snapshot::Entry(const std::string& path) {
  return EntryOf(path);
}

std::uint32_t FileFactsMemory::Snapshot::VersionInfoSize(const std::string& path,
                                                         std::uint32_t& handle) {
  if (const Known* known = Unchanged(path); known != nullptr && known->resourceSize) {
    handle = known->handle;
    const std::uint32_t size = *known->resourceSize;
    Kept(path);
    return size;
  }
  // Only a size other than 0 is remembered: a 0 may be a sharing violation or a share
  // that did not answer as well as a file without a resource, so the next
  // snapshot asks again.
  const std::uint32_t size = files_.VersionInfoSize(path, handle);
  if (Known* kept = Kept(path)) {
    kept->resourceSize = size != 0 ? std::optional<std::uint32_t>(size) : std::nullopt;
    kept->handle = handle;
    kept->read = false;
  }
  return size;
}

bool FileFactsMemory::Snapshot::VersionInfo(const std::string& path, std::uint32_t handle,
                                            std::uint32_t size, void* data) {
  if (const Known* known = Unchanged(path);
      known != nullptr && known->read && known->handle == handle && known->readSize == size) {
    std::copy(known->bytes.begin(), known->bytes.end(), static_cast<unsigned char*>(data));
    Kept(path);
    return true;
  }
  // Only a read that succeeded is remembered; a failed one is tried again.
  const bool read = files_.VersionInfo(path, handle, size, data);
  if (Known* kept = Kept(path)) {
    kept->handle = handle;
    kept->read = read;
    kept->readSize = size;
    const auto* bytes = static_cast<const unsigned char*>(data);
    kept->bytes.assign(bytes, read ? bytes + size : bytes);
  }
  return read;
}
