#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kes {

// Failure numbers that the routines raise and report.
inline constexpr std::int32_t kErrFileNotFound = 53;
inline constexpr std::int32_t kErrPermissionDenied = 70;
inline constexpr std::int32_t kErrFileAccess = 75;
inline constexpr std::int32_t kErrPathNotFound = 76;
// Base number for failures that the program defines itself (hex 80040000).
inline constexpr std::int32_t kErrApplicationBase = -2147221504;

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
