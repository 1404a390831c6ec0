#include "explorer/node_find.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace Explorer {

namespace {

// The searchers see bytes: a trail byte folds like a letter here, and a hit
// may begin inside a character. In a double-byte code page each hit is
// checked character by character (Matches), so these only find candidates.
struct FoldedHash {
  const platform::CodePage* characters;
  std::size_t operator()(char c) const { return static_cast<unsigned char>(characters->Upper(c)); }
};
struct FoldedEqual {
  const platform::CodePage* characters;
  bool operator()(char a, char b) const { return characters->Upper(a) == characters->Upper(b); }
};

// Whether `needle` stands at `at` of `text` as whole characters: one-byte
// letters in either case unless `matchCase`, both bytes of a double-byte
// character exactly.
bool Matches(const platform::FileNameRule& rule, std::string_view text, std::size_t at,
             std::string_view needle, bool matchCase) {
  const platform::CodePage& characters = rule.Characters();
  if (!rule.StartsCharacter(text, at)) {
    return false;
  }
  for (std::size_t j = 0; j < needle.size();) {
    const std::size_t size = characters.CharSize(needle, j);
    if (at + j >= text.size() || characters.CharSize(text, at + j) != size) {
      return false;
    }
    const char t = text[at + j];
    const char n = needle[j];
    if (size == 2 ? text.compare(at + j, 2, needle.substr(j, 2)) != 0
                  : (matchCase ? t != n : characters.Upper(t) != characters.Upper(n))) {
      return false;
    }
    j += size;
  }
  return true;
}

// The first node of `order`, from position `start` stepping down or up
// round the whole order once, whose text holds the request's text.
template <class Searcher>
std::optional<std::size_t> FirstHolding(const NodeTree& tree, const std::vector<std::size_t>& order,
                                        std::size_t start, const FindRequest& request,
                                        const platform::FileNameRule& rule,
                                        const Searcher& searcher) {
  const std::size_t count = order.size();
  const bool wholeCharacters = rule.Characters().HasLeadBytes();
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t node =
        order[request.down ? (start + k) % count : (start + count - k) % count];
    const std::string_view text = tree.Text(node);
    for (auto hit = std::search(text.begin(), text.end(), searcher); hit != text.end();
         hit = std::search(hit + 1, text.end(), searcher)) {
      if (!wholeCharacters || Matches(rule, text, static_cast<std::size_t>(hit - text.begin()),
                                      request.text, request.matchCase)) {
        return node;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

NodeFinder::NodeFinder(const NodeTree& tree, const platform::FileNameRule& rule)
    : tree_(tree), rule_(rule), order_(tree.TreeOrder()), place_(tree.Count(), 0) {
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
    return FirstHolding(tree_, order_, start, request, rule_,
                        std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
  }
  const platform::CodePage* characters = &rule_.Characters();
  return FirstHolding(
      tree_, order_, start, request, rule_,
      std::boyer_moore_horspool_searcher(needle.begin(), needle.end(), FoldedHash{characters},
                                         FoldedEqual{characters}));
}

std::string CannotFindText(const std::string& text) { return "Cannot find \"" + text + "\""; }

}  // namespace Explorer
