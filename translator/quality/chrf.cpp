#include "chrf.h"

#include <algorithm>
#include <map>
#include <string>

#include "lexiton/text_encoding.h"

namespace lexiton::quality {
namespace {

// Code points without blanks, as chrF compares characters, not the spacing between words.
std::u32string characters(std::string_view utf8) {
  const std::u16string wide = utf8ToUtf16(utf8);
  std::u32string out;
  for (char16_t c : wide)  // every Hungarian letter is one UTF-16 unit
    if (c != u' ' && c != u'\t' && c != u'\n') out += char32_t(c);
  return out;
}

std::map<std::u32string, std::size_t> ngrams(const std::u32string& s, std::size_t n) {
  std::map<std::u32string, std::size_t> out;
  for (std::size_t i = 0; i + n <= s.size(); ++i) ++out[s.substr(i, n)];
  return out;
}

}  // namespace

void ChrfScore::add(std::string_view hypothesis, std::string_view reference) {
  const std::u32string h = characters(hypothesis), r = characters(reference);
  for (std::size_t n = 1; n <= kChrfOrder; ++n) {
    const auto hn = ngrams(h, n), rn = ngrams(r, n);
    Counts& c = counts_[n - 1];
    for (const auto& [g, k] : hn) {
      c.hypothesis += k;
      auto it = rn.find(g);
      if (it != rn.end()) c.matched += std::min(k, it->second);
    }
    for (const auto& [g, k] : rn) c.reference += k;
  }
}

double ChrfScore::score() const {
  const double factor = kChrfBeta * kChrfBeta;
  double sum = 0;
  std::size_t orders = 0;
  for (const Counts& c : counts_) {
    if (c.hypothesis == 0 || c.reference == 0) continue;
    ++orders;
    const double precision = double(c.matched) / double(c.hypothesis);
    const double recall = double(c.matched) / double(c.reference);
    const double denominator = factor * precision + recall;
    if (denominator > 0) sum += (1 + factor) * precision * recall / denominator;
  }
  return orders == 0 ? 0.0 : 100.0 * sum / double(orders);
}

}  // namespace lexiton::quality
