// The fields of a line between one separator character, empty fields kept: the lexicon source,
// the compiled lexicon and the translator's quality corpora are all tab-separated text.
#pragma once

#include <string_view>
#include <vector>

namespace lexiton {

inline std::vector<std::string_view> splitFields(std::string_view s, char separator) {
  std::vector<std::string_view> out;
  for (std::size_t at = 0;;) {
    const std::size_t next = s.find(separator, at);
    out.push_back(s.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
    if (next == std::string_view::npos) return out;
    at = next + 1;
  }
}

}  // namespace lexiton
