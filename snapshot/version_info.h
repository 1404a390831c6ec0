#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_facts.h"

// The file version of one file, from its version resource. Each part is the
// file's own unsigned 16-bit number; a file without a resource keeps zeros.
class clsVersionInfo {
 public:
  std::string msFile;
  std::uint16_t mnFileVerMaj = 0;
  std::uint16_t mnFileVerMin = 0;
  std::uint16_t mnFileVerRevHi = 0;
  std::uint16_t mnFileVerRevLo = 0;

  // Reads the version of `ps`. Raises "File Not Found:" (53) for an empty
  // path or a file that a normal-file search does not find (hidden and system
  // files); failures while reading the resource come back with the
  // application base number.
  void File(const std::string& ps, platform::FileFacts& facts);

  // The resource is never read into more than this many bytes.
  static constexpr std::uint32_t kMaxBuffer = 64000;

 private:
  void LoadVersionBuffer(platform::FileFacts& facts);
  void ReadFileVersion(platform::FileFacts& facts);
  static void SplitVersionWord(std::uint32_t word, std::uint16_t& high, std::uint16_t& low);

  // While File reads: the raw resource, or the two-byte placeholder that
  // means no version.
  std::vector<unsigned char> buffer_;
};
