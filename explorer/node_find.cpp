#include "explorer/node_find.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace Explorer {

namespace {

// The upper case of a letter of the Western code page: ASCII, and the
// accented letters from E0 to FE hexadecimal but the division sign.
unsigned char Upper(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) {
    return static_cast<unsigned char>(u - 0x20);
  }
  return u;
}

struct FoldedHash {
  std::size_t operator()(char c) const { return Upper(c); }
};
struct FoldedEqual {
  bool operator()(char a, char b) const { return Upper(a) == Upper(b); }
};

// The first node of `order`, from position `start` stepping down or up
// round the whole order once, whose text `searcher` finds something in.
template <class Searcher>
std::optional<std::size_t> FirstHolding(const NodeTree& tree, const std::vector<std::size_t>& order,
                                        std::size_t start, bool down, const Searcher& searcher) {
  const std::size_t count = order.size();
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t node = order[down ? (start + k) % count : (start + count - k) % count];
    const std::string_view text = tree.Text(node);
    if (std::search(text.begin(), text.end(), searcher) != text.end()) {
      return node;
    }
  }
  return std::nullopt;
}

}  // namespace

NodeFinder::NodeFinder(const NodeTree& tree)
    : tree_(tree), order_(tree.TreeOrder()), place_(tree.Count(), 0) {
  for (std::size_t position = 0; position < order_.size(); ++position) {
    place_[order_[position]] = position;
  }
}

std::optional<std::size_t> NodeFinder::Next(std::size_t from, const FindRequest& request) const {
  if (request.text.empty() || order_.empty()) {
    return std::nullopt;
  }
  const std::size_t count = order_.size();
  std::size_t start = request.down ? 0 : count - 1;
  if (from < place_.size()) {
    start = request.down ? (place_[from] + 1) % count : (place_[from] + count - 1) % count;
  }
  // One searcher for the whole pass keeps it linear in the texts' length.
  const std::string& needle = request.text;
  if (request.matchCase) {
    return FirstHolding(tree_, order_, start, request.down,
                        std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
  }
  return FirstHolding(tree_, order_, start, request.down,
                      std::boyer_moore_horspool_searcher(needle.begin(), needle.end(), FoldedHash{},
                                                         FoldedEqual{}));
}

std::string CannotFindText(const std::string& text) { return "Cannot find \"" + text + "\""; }

}  // namespace Explorer
