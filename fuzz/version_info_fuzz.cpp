// clsVersionInfo reading a raw version resource: whatever size the library
// reports and whatever the root block's value points at, the reading stays
// inside its buffer and gives the file version only when the whole fixed-info
// record lies in what was read.
//
// Input: 4 bytes of the size the library reports (little-endian), 1 byte of
// switches, then the resource the library hands back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/require.h"
#include "platform/file_facts.h"
#include "snapshot/version_info.h"

namespace {

constexpr std::size_t kHeaderSize = 5;
constexpr unsigned kResourceFails = 1;  // GetFileVersionInfoA returns 0
constexpr unsigned kQueryFails = 2;     // VerQueryValueA returns 0
constexpr unsigned kSixteenBit = 4;     // the 16-bit layout: no type word, ANSI key
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::size_t kPlaceholderSize = 2;

std::uint32_t Read32(const unsigned char* at) {
  std::uint32_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The first `count` bytes of `from` (or all it has) into `to`.
void CopyPrefix(void* to, const std::vector<unsigned char>& from, std::size_t count) {
  count = std::min(count, from.size());
  if (count > 0) {
    std::memcpy(to, from.data(), count);
  }
}

std::uint16_t Read16(const unsigned char* at) {
  std::uint16_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The version library over the fuzzer's bytes. The query walks the root
// block as the library does (length, value length, [type,] key, padding to a
// 32-bit boundary, value) and trusts what it reads, as the library does.
class FuzzedVersionLibrary final : public platform::FileFacts {
 public:
  FuzzedVersionLibrary(std::uint32_t reportedSize, unsigned switches,
                       std::vector<unsigned char> resource)
      : reportedSize_(reportedSize), switches_(switches), resource_(std::move(resource)) {}

  bool FindNormalFile(const std::string&) override { return true; }
  platform::FileDateTime LastWriteLocalTime(const std::string&) override { return {}; }
  std::int32_t Length(const std::string&) override { return 0; }
  platform::DateTimeSeparators Separators() override { return {}; }
  std::optional<platform::FileEntry> Entry(const std::string&) override { return std::nullopt; }

  std::uint32_t VersionInfoSize(const std::string&, std::uint32_t& handle) override {
    handle = 0;
    return reportedSize_;
  }

  bool VersionInfo(const std::string&, std::uint32_t, std::uint32_t size, void* data) override {
    given = size;
    if ((switches_ & kResourceFails) != 0) {
      return false;
    }
    CopyPrefix(data, resource_, size);
    return true;
  }

  bool QueryVersionValue(const void* block, const std::string& subBlock, const void*& buffer,
                         std::uint32_t& length) override {
    const bool wide = (switches_ & kSixteenBit) == 0;
    const std::size_t keyAt = wide ? 6 : 4;
    if ((switches_ & kQueryFails) != 0 || subBlock != "\\" || given < keyAt) {
      return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(block);
    std::size_t at = keyAt;
    if (wide) {
      while (at + 1 < given && (bytes[at] != 0 || bytes[at + 1] != 0)) {
        at += 2;
      }
      at += 2;
    } else {
      while (at < given && bytes[at] != 0) {
        ++at;
      }
      ++at;
    }
    at = (at + 3) & ~std::size_t{3};
    length = Read16(bytes + 2);
    if (length == 0) {
      return false;
    }
    valueAt = at;
    buffer = bytes + at;
    return true;
  }

  std::uint32_t given = 0;  // the size the reader asked the resource for
  std::size_t valueAt = 0;  // where the query's answer pointed, 0 for none

 private:
  std::uint32_t reportedSize_;
  unsigned switches_;
  std::vector<unsigned char> resource_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderSize) {
    return 0;
  }
  std::vector<unsigned char> resource(data + kHeaderSize, data + size);
  FuzzedVersionLibrary library(Read32(data), data[4], resource);
  clsVersionInfo version;
  version.File("C:\\WINDOWS\\SYSTEM\\FUZZED.DLL", library);

  Require(library.given <= clsVersionInfo::kMaxBuffer);
  // The reader's buffer: the bytes asked for, then two more, all zero where
  // the resource had nothing.
  std::vector<unsigned char> read(library.given + kPlaceholderSize, 0);
  if ((data[4] & kResourceFails) == 0) {
    CopyPrefix(read.data(), resource, library.given);
  }
  std::uint16_t expected[4] = {0, 0, 0, 0};
  const bool hasRecord = library.given > 0 && (data[4] & kResourceFails) == 0 &&
                         library.valueAt != 0 && library.valueAt + kFixedInfoSize <= read.size();
  if (hasRecord) {
    const std::uint32_t ms = Read32(read.data() + library.valueAt + 8);
    const std::uint32_t ls = Read32(read.data() + library.valueAt + 12);
    expected[0] = static_cast<std::uint16_t>(ms >> 16);
    expected[1] = static_cast<std::uint16_t>(ms);
    expected[2] = static_cast<std::uint16_t>(ls >> 16);
    expected[3] = static_cast<std::uint16_t>(ls);
  }
  Require(version.mnFileVerMaj == expected[0] && version.mnFileVerMin == expected[1] &&
          version.mnFileVerRevHi == expected[2] && version.mnFileVerRevLo == expected[3]);
  return 0;
}
