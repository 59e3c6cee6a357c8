#include "wordlist/word_selection.h"

#include <algorithm>
#include <string>

#include "wordlist/word_text.h"

namespace lexiton::host {

namespace {

bool isNumber(WordColumn column) { return column == WordColumn::count || column == WordColumn::lastSeen; }

const std::string& columnText(const WordRow& row, WordColumn column) {
  switch (column) {
    case WordColumn::dictionaryForm:
      return row.latest.dictionaryForm;
    case WordColumn::sentence:
      return row.latest.sentence;
    default:
      return row.latest.word;
  }
}

int64_t columnNumber(const WordRow& row, WordColumn column) {
  return column == WordColumn::count ? row.count : row.lastSeen;
}

}  // namespace

WordOrder orderAfterClick(WordOrder current, WordColumn clicked) {
  if (current.column == clicked) return {clicked, !current.descending};
  return {clicked, isNumber(clicked)};
}

std::vector<std::size_t> selectWords(const std::vector<WordRow>& rows, std::string_view search,
                                     WordOrder order) {
  const std::string needle = foldCase(search);
  std::vector<std::size_t> picked;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const WordListEntry& e = rows[i].latest;
    const bool found = needle.empty() || foldCase(e.word).find(needle) != std::string::npos ||
                       foldCase(e.dictionaryForm).find(needle) != std::string::npos ||
                       foldCase(e.sentence).find(needle) != std::string::npos ||
                       foldCase(e.hungarian).find(needle) != std::string::npos ||
                       foldCase(e.translation).find(needle) != std::string::npos;
    if (found) picked.push_back(i);
  }

  // Folded once per row, not once per comparison.
  std::vector<std::string> folded;
  if (!isNumber(order.column)) {
    folded.resize(rows.size());
    for (std::size_t i : picked) folded[i] = foldCase(columnText(rows[i], order.column));
  }
  const auto before = [&](std::size_t a, std::size_t b) {
    if (isNumber(order.column)) {
      const int64_t x = columnNumber(rows[a], order.column);
      const int64_t y = columnNumber(rows[b], order.column);
      if (x != y) return order.descending ? x > y : x < y;
    } else if (folded[a] != folded[b]) {
      return order.descending ? folded[a] > folded[b] : folded[a] < folded[b];
    }
    return rows[a].lastSeen > rows[b].lastSeen;
  };
  std::stable_sort(picked.begin(), picked.end(), before);
  return picked;
}

}  // namespace lexiton::host
