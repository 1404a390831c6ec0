#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/file_facts.h"
#include "platform/file_name_rule.h"

// The version resources of the files the last snapshot read, each with the
// size and last-write time its file had then, kept from one snapshot to the
// next: a later snapshot reads a file's resource again only when its
// directory entry differs. Only what the version library answered with
// success is kept: a size of 0 or a failed read is asked again next time.
// Paths match as `rule` matches file names. Each
// snapshot keeps what it met and drops the rest, so the memory never holds
// more than one snapshot's files.
class FileFactsMemory {
 private:
  // A file's version resource as the version library gave it, for the
  // directory entry the file had.
  struct Known {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    std::optional<std::uint32_t> resourceSize;
    std::uint32_t handle = 0;
    bool read = false;  // the resource was read, into `bytes`
    std::uint32_t readSize = 0;
    std::vector<unsigned char> bytes;
  };
  using Files = std::unordered_map<std::string, Known>;

 public:
  explicit FileFactsMemory(const platform::FileNameRule& rule) : rule_(rule) {}

  // The file facts of one snapshot: every file's directory entry is looked
  // up once and answers its date, length and normal-file search; its
  // version resource comes from the memory when the entry's size and time
  // are those remembered, else from `files`. A file with no entry (gone, a
  // folder) is read from `files` alone and raises what it raises there. When
  // it goes, the memory holds what this snapshot read.
  class Snapshot final : public platform::FileFacts {
   public:
    Snapshot(FileFactsMemory& memory, platform::FileFacts& files);
    ~Snapshot() override;
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    bool FindNormalFile(const std::string& path) override;
    platform::FileDateTime LastWriteLocalTime(const std::string& path) override;
    std::int32_t Length(const std::string& path) override;
    platform::DateTimeSeparators Separators() override { return files_.Separators(); }
    std::optional<platform::FileEntry> Entry(const std::string& path) override;
    std::uint32_t VersionInfoSize(const std::string& path, std::uint32_t& handle) override;
    bool VersionInfo(const std::string& path, std::uint32_t handle, std::uint32_t size,
                     void* data) override;
    bool QueryVersionValue(const void* block, const std::string& subBlock, const void*& buffer,
                           std::uint32_t& length) override {
      return files_.QueryVersionValue(block, subBlock, buffer, length);
    }

   private:
    // The entry of `path` read this snapshot, looked up at first use.
    const std::optional<platform::FileEntry>& EntryOf(const std::string& path);
    // What the memory holds for `path` when its entry is unchanged.
    const Known* Unchanged(const std::string& path);
    // The record this snapshot keeps for `path`, when it has an entry.
    Known* Kept(const std::string& path);

    FileFactsMemory& memory_;
    platform::FileFacts& files_;
    std::unordered_map<std::string, std::optional<platform::FileEntry>> entries_;
    Files next_;  // what this snapshot read, by folded path
  };

  // How many files the memory holds.
  std::size_t Count() const { return known_.size(); }

 private:
  const platform::FileNameRule& rule_;
  Files known_;
};
