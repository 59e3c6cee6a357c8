// The fixed word lists the analysis, the clause split and the generation keep ("kMoving",
// "kLinking" ...): whether a word is on one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace lexiton::translator {

template <std::size_t N>
bool listed(const std::string_view (&list)[N], std::string_view w) {
  return std::find(std::begin(list), std::end(list), w) != std::end(list);
}

}  // namespace lexiton::translator
