// Sentence and word boundaries. Letters are Latin letters (with accents), digits and every
// other script's characters; an apostrophe or hyphen between letters stays inside the word
// ("don't", "John's", "well-known").
#include "lexiton/translator/sentence.h"

#include <algorithm>
#include <string_view>

namespace lexiton::translator {
namespace {

constexpr char32_t kRightQuote = 0x2019;

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

bool isLineBreak(char32_t c) { return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029; }

bool isStop(char32_t c) { return c == '.' || c == '!' || c == '?'; }

bool isClosing(char32_t c) {
  return c == '"' || c == '\'' || c == ')' || c == ']' || c == kRightQuote || c == 0x201D;
}

bool isJoiner(char32_t c) { return c == '\'' || c == kRightQuote || c == '-'; }

bool isWordChar(char32_t c) { return isLetter(c) || isDigit(c); }

// "km/h", "m/s": a unit of speed is one word, its slash inside (the word so far runs from `begin`
// to the slash at `i`).
bool speedUnitAt(const std::u32string& t, std::size_t begin, std::size_t i, std::size_t end) {
  if (t[i] != '/' || i + 1 >= end || (t[i + 1] != 'h' && t[i + 1] != 's') ||
      (i + 2 < end && isWordChar(t[i + 2])))
    return false;
  const std::u32string_view unit(t.data() + begin, i - begin);
  return unit == U"km" || unit == U"m" || unit == U"mi";
}

bool isClosingDoubleQuote(char32_t c) { return c == '"' || c == 0x201D; }

// "7.30", "8:15": the hour of one or two digits, a stop or colon and two digits of minutes
// are one clock time, not two numbers (the word so far runs from `begin` to the mark at `i`).
bool clockMinutesAt(const std::u32string& t, std::size_t begin, std::size_t i, std::size_t end) {
  if (i - begin < 1 || i - begin > 2 || (t[i] != '.' && t[i] != ':') || i + 2 >= end) return false;
  for (std::size_t k = begin; k < i; ++k)
    if (!isDigit(t[k])) return false;
  return isDigit(t[i + 1]) && isDigit(t[i + 2]) && (i + 3 >= end || !isWordChar(t[i + 3]));
}

// "p.m.", "a.m.": the stop inside belongs to the word ("p.m")
bool dayHalfAt(const std::u32string& t, std::size_t begin, std::size_t i, std::size_t end) {
  return i == begin + 1 && t[i] == '.' && i + 1 < end && (t[begin] == 'a' || t[begin] == 'p') &&
         t[i + 1] == 'm' && (i + 2 >= end || !isWordChar(t[i + 2]));
}

// The stop at i closes a "p.m." or "a.m." that a lower-case word goes on after ("11 p.m. and").
bool dayHalfGoesOn(const std::u32string& t, std::size_t i) {
  if (i < 3 || t[i - 1] != 'm' || t[i - 2] != '.' || (t[i - 3] != 'a' && t[i - 3] != 'p') ||
      (i > 3 && isWordChar(t[i - 4])))
    return false;
  std::size_t j = i + 1;
  while (j < t.size() && isBlank(t[j]) && !isLineBreak(t[j])) ++j;
  return j < t.size() && j > i + 1 && t[j] >= 'a' && t[j] <= 'z';
}

// The verbs of saying that may follow a quotation and its speaker: "\"Give it back!\" Lucy
// shouted."
constexpr std::u32string_view kSaying[] = {
    U"said",     U"asked",    U"shouted",   U"cried",     U"whispered", U"replied",   U"called",
    U"yelled",   U"screamed", U"answered",  U"added",     U"laughed",   U"says",      U"explained",
    U"promised", U"groaned",  U"sighed",    U"muttered",  U"murmured",  U"snapped",   U"exclaimed",
    U"gasped",   U"moaned",   U"admitted",  U"insisted",  U"warned",    U"begged",    U"demanded",
    U"announced", U"declared", U"complained", U"grumbled", U"mumbled",  U"sobbed",    U"hissed",
    U"growled",  U"stammered", U"remarked",  U"pleaded",   U"repeated",  U"told",
    U"wrote",    U"began",    U"continued", U"agreed",    U"suggested", U"protested", U"joked"};

// A word ending in "-ed" and a stop or comma right after it: an unlisted verb closing short words
// of saying ("\"Ten minutes!\" Zsófi grunted."), never a sentence that goes on with its own
// words ("\"Stop!\" Anna walked away." is two).
bool closingPastAt(const std::u32string& t, std::size_t b, std::size_t e) {
  return e - b > 3 && t[e - 2] == 'e' && t[e - 1] == 'd' && e < t.size() &&
         (t[e] == '.' || t[e] == ',' || t[e] == '!');
}

// A capitalised word at `j` and a verb of saying after it: the speaker of the quotation before.
bool speakerAt(const std::u32string& t, std::size_t j) {
  if (j >= t.size() || !(t[j] >= 'A' && t[j] <= 'Z')) return false;
  while (j < t.size() && isLetter(t[j])) ++j;
  if (j >= t.size() || t[j] != ' ') return false;
  const std::size_t b = ++j;
  while (j < t.size() && isLetter(t[j])) ++j;
  const std::u32string_view verb(t.data() + b, j - b);
  return std::find(std::begin(kSaying), std::end(kSaying), verb) != std::end(kSaying) || closingPastAt(t, b, j);
}

// True when a sentence ends right after index i. A quotation's stop ends nothing when the words
// of saying follow in lower case ("\"Where were you?\" her mother asked.") or its speaker and
// them ("\"Hurry up!\" Dad shouted").
bool endsSentenceAt(const std::u32string& t, std::size_t i) {
  if (isLineBreak(t[i])) return true;
  if (!isStop(t[i]) || dayHalfGoesOn(t, i)) return false;
  std::size_t j = i + 1;
  bool quote = false;
  while (j < t.size() && (isStop(t[j]) || isClosing(t[j]))) quote |= isClosingDoubleQuote(t[j++]);
  if (j == t.size()) return true;
  if (!isBlank(t[j])) return false;
  while (quote && j < t.size() && isBlank(t[j]) && !isLineBreak(t[j])) ++j;
  return !quote || j == t.size() || (!(t[j] >= 'a' && t[j] <= 'z') && !speakerAt(t, j));
}

}  // namespace

bool isVerbOfSaying(std::u32string_view word) {
  return std::find(std::begin(kSaying), std::end(kSaying), word) != std::end(kSaying);
}

bool isBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == '\f' || c == '\v' || isLineBreak(c) || c == 0xA0 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x3000;
}

bool isLetter(char32_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c < 0xC0) return false;
  if (c == 0xD7 || c == 0xF7) return false;      // multiplication and division signs
  if (c >= 0x2000 && c <= 0x2BFF) return false;  // punctuation, symbols, arrows, boxes
  if (c >= 0x3000 && c <= 0x303F) return false;  // CJK punctuation
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  if (c >= 0xFE00 && c <= 0xFE0F) return false;
  if (c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFF)) return false;
  return c < 0x1F000;  // emoji and pictographs are not letters
}

Sentence sentenceAround(const std::u32string& t, std::size_t pointer) {
  Sentence s;
  if (t.empty()) return s;
  std::size_t p = std::min(pointer, t.size() - 1);
  // A pointer on a stop belongs to the sentence the stop closes; start after the last end
  // before it.
  std::size_t begin = 0;
  for (std::size_t i = p; i-- > 0;)
    if (endsSentenceAt(t, i)) {
      begin = i + 1;
      // the closing marks and quotes after a stop belong to the sentence they close
      while (begin < p && (isStop(t[begin]) || isClosing(t[begin]))) ++begin;
      break;
    }
  std::size_t end = t.size();
  for (std::size_t i = p; i < t.size(); ++i)
    if (endsSentenceAt(t, i)) {
      end = i + 1;
      if (isStop(t[i]))  // the further stops and closing quotes of "big!?\""
        while (end < t.size() && (isStop(t[end]) || isClosing(t[end]))) ++end;
      break;
    }
  // Long run-on text: keep kMaxSentenceChars around the pointer.
  if (end - begin > kMaxSentenceChars) {
    std::size_t from = p > begin + kMaxSentenceChars / 2 ? p - kMaxSentenceChars / 2 : begin;
    from = std::min(from, end - kMaxSentenceChars);
    begin = from;
    end = from + kMaxSentenceChars;
  }
  // The words; a word cut by the window edge is dropped with its part outside.
  std::vector<Word> words;
  std::size_t i = begin;
  while (i < end) {
    if (!isWordChar(t[i])) {
      ++i;
      continue;
    }
    Word w{i, i, false};
    while (w.end < end) {
      char32_t c = t[w.end];
      if (isWordChar(c)) {
        w.hasLetter |= isLetter(c);
        ++w.end;
      } else if (isJoiner(c) && w.end + 1 < end && isWordChar(t[w.end + 1])) {
        ++w.end;
      } else if (clockMinutesAt(t, w.begin, w.end, end) || dayHalfAt(t, w.begin, w.end, end) ||
                 speedUnitAt(t, w.begin, w.end, end)) {
        w.hasLetter |= isLetter(t[w.end + 1]);
        w.end += 2;
      } else if ((c == '.' || c == ',') && !w.hasLetter && w.end + 1 < end && isDigit(t[w.end + 1]) &&
                 isDigit(t[w.end - 1])) {
        ++w.end;  // "1.5", "2,000": a number's decimal point or its thousands' comma
      } else if ((c == '\'' || c == kRightQuote) && w.end > w.begin && t[w.end - 1] == 's' &&
                 w.end + 2 < end && isBlank(t[w.end + 1]) && isLetter(t[w.end + 2])) {
        ++w.end;  // a plural owner's apostrophe: "my parents' house"
        break;
      } else {
        break;
      }
    }
    i = w.end;
    bool cut = (w.begin == begin && begin > 0 && isWordChar(t[begin - 1])) ||
               (w.end == end && end < t.size() && isWordChar(t[end]));
    if (!cut) words.push_back(w);
  }
  // Keep kMaxSentenceWords around the pointer's word.
  std::size_t pw = 0;
  while (pw < words.size() && words[pw].end <= p) ++pw;
  if (pw == words.size() && pw > 0) --pw;  // pointer after the last word
  if (words.size() > kMaxSentenceWords) {
    std::size_t first = pw > kMaxSentenceWords / 2 ? pw - kMaxSentenceWords / 2 : 0;
    first = std::min(first, words.size() - kMaxSentenceWords);
    words.erase(words.begin() + std::ptrdiff_t(first + kMaxSentenceWords), words.end());
    words.erase(words.begin(), words.begin() + std::ptrdiff_t(first));
    pw -= first;
    begin = words.front().begin;
    end = words.back().end;
    if (end < t.size() && endsSentenceAt(t, end)) ++end;
  }
  while (begin < end && isBlank(t[begin])) ++begin;
  while (end > begin && isBlank(t[end - 1])) --end;
  s.begin = begin;
  s.end = end;
  s.words = std::move(words);
  s.pointerWord = pw;
  return s;
}

}  // namespace lexiton::translator
