#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/failure.h"

namespace kes {

// A 1-based collection without keys that keeps insertion order and owns its
// records; records are reached by position only.
template <class T>
class Collection {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }

  // Position 1 is the first record added.
  T& Item(std::int32_t index) { return *items_.at(Checked(index)); }
  const T& Item(std::int32_t index) const { return *items_.at(Checked(index)); }

  T& Add(std::unique_ptr<T> item) {
    items_.push_back(std::move(item));
    return *items_.back();
  }

 private:
  std::size_t Checked(std::int32_t index) const {
    if (index < 1 || index > Count()) {
      throw Failure(kErrSubscriptOutOfRange, "Subscript out of range");
    }
    return static_cast<std::size_t>(index - 1);
  }

  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace kes
