// Loading a style sheet: line reading, sections, quoted strings, rule paths and options.
#include "lexiton/lookup/layout.h"

#include <lexiton/ascii.h>

#include <fstream>
#include <optional>
#include <vector>

namespace lexiton {
namespace {

struct SyntaxError : std::exception {
  const char* what() const noexcept override { return "style sheet syntax error"; }
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Parses the quoted string starting at line[pos] (which must be a quote). Returns the text and
// sets pos just past the quote that ended it.
std::string quoted(const std::string& line, std::size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') throw SyntaxError{};
  std::string out;
  std::size_t i = pos + 1;
  for (;;) {
    std::size_t q = line.find('"', i);
    if (q == std::string::npos) throw SyntaxError{};
    out.append(line, i, q - i);
    std::size_t after = q + 1;
    if (after >= line.size() || isBlank(line[after])) {
      pos = after;
      return out;
    }
    char n = line[after];
    if (n == '"') {
      out.push_back('"');
      i = after + 1;
    } else if (n >= '0' && n <= '9') {
      unsigned value = 0;
      std::size_t j = after;
      while (j < line.size() && line[j] >= '0' && line[j] <= '9') {
        value = (value * 10 + static_cast<unsigned>(line[j] - '0')) % 256;
        ++j;
      }
      if (j >= line.size() || line[j] != '"') throw SyntaxError{};
      out.push_back(static_cast<char>(value));
      i = j + 1;
    } else {
      i = after;
    }
  }
}

std::vector<std::string> pathSegments(const std::string& path) {
  std::vector<std::string> segs;
  if (path.empty()) throw SyntaxError{};
  std::size_t i = 0;
  while (i < path.size()) {
    if (path[i] != '<') throw SyntaxError{};
    std::size_t gt = path.find('>', i + 1);
    if (gt == std::string::npos) throw SyntaxError{};
    segs.push_back(path.substr(i + 1, gt - i - 1));
    if (segs.size() > kMaxRuleDepth) throw SyntaxError{};
    i = gt + 1;
  }
  return segs;
}

bool boolValue(const std::string& v) {
  if (v == "0") return false;
  if (v == "1") return true;
  throw SyntaxError{};
}

unsigned char signValue(const std::string& v) {
  // Like atoi: leading digits count, anything else is 0.
  std::size_t i = 0;
  while (i < v.size() && isBlank(v[i])) ++i;
  long n = 0;
  while (i < v.size() && v[i] >= '0' && v[i] <= '9' && n <= 1000) n = n * 10 + (v[i++] - '0');
  if (n < 1 || n > 255) throw SyntaxError{};
  return static_cast<unsigned char>(n);
}

enum class Section { None, Header, Footer, Tags, Options, Unknown };

}  // namespace

class StyleSheetReader {
 public:
  explicit StyleSheetReader(Layout& l) : l_(l) {}

  void line(const std::string& raw) {
    std::size_t b = 0, e = raw.size();
    while (b < e && isBlank(raw[b])) ++b;
    while (e > b && isBlank(raw[e - 1])) --e;
    std::string s = raw.substr(b, e - b);
    if (s.empty() || s[0] == ';') return;
    if (s[0] == '[') {
      if (s == "[header]")
        section_ = Section::Header;
      else if (s == "[footer]")
        section_ = Section::Footer;
      else if (s == "[tags]")
        section_ = Section::Tags;
      else if (s == "[options]")
        section_ = Section::Options;
      else
        section_ = Section::Unknown;
      return;
    }
    switch (section_) {
      case Section::None:
        throw SyntaxError{};
      case Section::Unknown:
        return;
      case Section::Header:
        l_.header_ += wholeLineString(s);
        return;
      case Section::Footer:
        l_.footer_ += wholeLineString(s);
        return;
      case Section::Tags:
        tagLine(s);
        return;
      case Section::Options:
        optionLine(s);
        return;
    }
  }

 private:
  static std::string wholeLineString(const std::string& s) {
    std::size_t pos = 0;
    std::string v = quoted(s, pos);
    if (pos != s.size()) throw SyntaxError{};
    return v;
  }

  static std::size_t skipBlanks(const std::string& s, std::size_t pos) {
    while (pos < s.size() && isBlank(s[pos])) ++pos;
    return pos;
  }

  void tagLine(const std::string& s) {
    std::size_t pos = 0;
    std::string path = quoted(s, pos);
    if (pos >= s.size()) throw SyntaxError{};  // no action
    pos = skipBlanks(s, pos);
    std::string rest = s.substr(pos);
    TagRule r;
    if (rest == "hide")
      r.hide = true;
    else if (rest == "show")
      r.show = true;
    else {
      r.text = wholeLineString(rest);
      r.hasText = true;
    }
    TagRule* node = &l_.root_;
    for (auto seg : pathSegments(path)) {
      if (l_.caseInsensitive_) seg = ascii::lowered(seg);
      node = &node->children[seg];
    }
    node->text = std::move(r.text);
    node->hasText = r.hasText;
    node->hide = r.hide;
    node->show = r.show;
  }

  void optionLine(const std::string& s) {
    std::size_t pos = 0;
    std::string name = quoted(s, pos);
    if (pos >= s.size()) throw SyntaxError{};
    pos = skipBlanks(s, pos);
    std::string value = s.substr(pos);
    if (name == "empty end-tags")
      l_.emptyEndTags_ = boolValue(value);
    else if (name == "case-insensitive tags")
      l_.caseInsensitive_ = boolValue(value);
    else if (name == "rtf encoding")
      l_.rtfEncoding_ = boolValue(value);
    else if (name == "html encoding")
      l_.htmlEncoding_ = boolValue(value);
    else if (name == "pseudo tags")
      l_.pseudoTags_ = boolValue(value);
    else if (name == "dont escape")
      l_.dontEscape_ = boolValue(value);
    else if (name == "pseudo lt sign")
      l_.pseudoLt_ = signValue(value);
    else if (name == "pseudo gt sign")
      l_.pseudoGt_ = signValue(value);
  }

  Layout& l_;
  Section section_ = Section::None;
};

Layout::Layout(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw layout_exception(0, -1);
  StyleSheetReader reader(*this);
  int lineNo = 0;
  std::string line;
  for (;;) {
    line.clear();
    bool sawNewline = false;
    int c;
    while ((c = in.get()) != std::char_traits<char>::eof()) {
      if (c == '\n') {
        sawNewline = true;
        break;
      }
      if (c == '\r') continue;
      if (line.size() >= kMaxStyleLine) throw layout_exception(2, lineNo + 1);
      line.push_back(static_cast<char>(c));
    }
    if (in.bad()) throw layout_exception(1, lineNo + 1);
    if (!sawNewline && line.empty()) break;
    ++lineNo;
    try {
      reader.line(line);
    } catch (const SyntaxError&) {
      // The reader knows where it is: report the line, not -1.
      throw layout_exception(2, lineNo);
    }
    if (!sawNewline) break;
  }
}

}  // namespace lexiton
