// Corpus chrF: character n-gram F-score (orders 1 to 6, recall weighted by beta = 2), the
// statistics summed over the whole corpus before the score is taken, blanks ignored.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lexiton::quality {

inline constexpr std::size_t kChrfOrder = 6;
inline constexpr double kChrfBeta = 2.0;

class ChrfScore {
 public:
  // One hypothesis and its reference, both UTF-8.
  void add(std::string_view hypothesis, std::string_view reference);
  // 0 to 100; 0 for an empty corpus.
  double score() const;

 private:
  struct Counts {
    std::size_t hypothesis = 0, reference = 0, matched = 0;
  };
  std::array<Counts, kChrfOrder> counts_{};
};

}  // namespace lexiton::quality
