#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kes {

// Every failure number that the routines raise and report, in one place: the
// run-time numbers, the tree control's own and the program's own above the
// application base.
inline constexpr std::int32_t kErrOverflow = 6;
inline constexpr std::int32_t kErrOutOfMemory = 7;
inline constexpr std::int32_t kErrSubscriptOutOfRange = 9;
inline constexpr std::int32_t kErrTypeMismatch = 13;
inline constexpr std::int32_t kErrLoadingDll = 48;
// An exception that is no kes::Failure: a fault in the program or the library.
inline constexpr std::int32_t kErrInternal = 51;
inline constexpr std::int32_t kErrFileNotFound = 53;
inline constexpr std::int32_t kErrDiskFull = 61;
inline constexpr std::int32_t kErrPermissionDenied = 70;
inline constexpr std::int32_t kErrFileAccess = 75;
inline constexpr std::int32_t kErrPathNotFound = 76;
inline constexpr std::int32_t kErrControlArrayElement = 340;
inline constexpr std::int32_t kErrInvalidPropertyValue = 380;
inline constexpr std::int32_t kErrEntryPointNotFound = 453;
inline constexpr std::int32_t kErrElementNotFound = 35601;
inline constexpr std::int32_t kErrKeyNotUnique = 35602;
// Base number for failures that the program defines itself (hex 80040000).
inline constexpr std::int32_t kErrApplicationBase = -2147221504;
// The system would not make a window.
inline constexpr std::int32_t kErrWindowNotCreated = kErrApplicationBase + 1;

// An unexpected failure travelling to the nearest routine that has a
// failure handler; it carries the number and description that the error
// report shows.
class Failure : public std::runtime_error {
 public:
  Failure(std::int32_t number, const std::string& description)
      : std::runtime_error(description), number_(number), description_(description) {}

  std::int32_t Number() const { return number_; }
  const std::string& Description() const { return description_; }

 private:
  std::int32_t number_;
  std::string description_;
};

}  // namespace kes
