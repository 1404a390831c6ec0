#include "snapshot/version_info.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/failure.h"

namespace {

constexpr std::size_t kPlaceholderSize = 2;
// VS_FIXEDFILEINFO: 52 bytes; the file version words follow the signature
// and the structure version.
constexpr std::uint32_t kFixedInfoSize = 52;
constexpr std::size_t kFileVersionMsOffset = 8;
constexpr std::size_t kFileVersionLsOffset = 12;

std::uint32_t WordAt(const unsigned char* fixedInfo, std::size_t offset) {
  std::uint32_t word;
  std::memcpy(&word, fixedInfo + offset, sizeof word);
  return word;
}

// Failures inside the version reading travel on with the application base
// number and the first failure's description.
[[noreturn]] void RaiseAgain(const std::exception& first) {
  if (const auto* known = dynamic_cast<const kes::Failure*>(&first)) {
    throw kes::Failure(kes::kErrApplicationBase, known->Description());
  }
  throw kes::Failure(kes::kErrApplicationBase, first.what());
}

}  // namespace

void clsVersionInfo::File(const std::string& ps, platform::FileFacts& facts) {
  if (ps.empty() || !facts.FindNormalFile(ps)) {
    throw kes::Failure(kes::kErrFileNotFound, "File Not Found:\r\n\r\n" + ps);
  }
  msFile = ps;
  try {
    LoadVersionBuffer(facts);
    ReadFileVersion(facts);
    // Only the four parts are read from the resource; a snapshot holds
    // thousands of records, so the raw bytes are not kept past this point.
    buffer_ = {};
  } catch (const std::exception& first) {
    RaiseAgain(first);
  }
}

void clsVersionInfo::LoadVersionBuffer(platform::FileFacts& facts) {
  std::uint32_t handle = 0;
  const std::uint32_t size = std::min(facts.VersionInfoSize(msFile, handle), kMaxBuffer);
  buffer_.assign(size + kPlaceholderSize, 0);
  if (!facts.VersionInfo(msFile, handle, size, buffer_.data())) {
    buffer_.assign(kPlaceholderSize, 0);
  }
}

void clsVersionInfo::ReadFileVersion(platform::FileFacts& facts) {
  if (buffer_.size() <= kPlaceholderSize) {
    return;
  }
  const void* found = nullptr;
  std::uint32_t length = 0;
  if (!facts.QueryVersionValue(buffer_.data(), "\\", found, length)) {
    return;
  }
  // A resource cut short by the buffer cap may point past what was read;
  // such a record is no version rather than a read beyond the buffer.
  const auto at = reinterpret_cast<std::uintptr_t>(found);
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer_.data());
  if (found == nullptr || at < begin || at - begin + kFixedInfoSize > buffer_.size()) {
    return;
  }
  const auto* fixedInfo = static_cast<const unsigned char*>(found);
  SplitVersionWord(WordAt(fixedInfo, kFileVersionMsOffset), mnFileVerMaj, mnFileVerMin);
  SplitVersionWord(WordAt(fixedInfo, kFileVersionLsOffset), mnFileVerRevHi, mnFileVerRevLo);
}

void clsVersionInfo::SplitVersionWord(std::uint32_t word, std::uint16_t& high, std::uint16_t& low) {
  high = static_cast<std::uint16_t>(word >> 16);
  low = static_cast<std::uint16_t>(word & 0xFFFFu);
}
