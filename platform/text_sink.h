#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Where text goes, one piece at a time: a report file, standard output, or a
// test's memory. Write throws kes::Failure when the text cannot be stored.
class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void Write(std::string_view text) = 0;
};

// Text gathered in memory, for a report that is measured or read back
// rather than stored.
class StringSink final : public TextSink {
 public:
  void Write(std::string_view piece) override { text.append(piece); }
  std::string text;
};

// A text file being written. Close stores everything written so far and
// throws kes::Failure if it cannot; a file that is dropped without Close
// stores what it can and stays silent.
class TextFile : public TextSink {
 public:
  virtual void Close() = 0;
};

// Opens text files for writing, and reads them whole.
class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // The file's bytes; throws kes::Failure when it cannot be read.
  virtual std::string Read(const std::string& path) = 0;
  // Creates the file, or empties it if it exists; throws kes::Failure when
  // the file system refuses.
  virtual std::unique_ptr<TextFile> Create(const std::string& path) = 0;
};

}  // namespace platform
