// The XML reader: a byte-at-a-time state machine that drives the conversion through the
// style sheet's rules. All conversion state lives here, never in the Layout.
#include "lexiton/lookup/layout.h"

#include <lexiton/ascii.h>

#include <vector>

namespace lexiton {

StringConvertStream::StringConvertStream(std::string_view in, std::string& out) : in_(in), out_(out) {
  std::size_t z = in_.find('\0');
  if (z != std::string_view::npos) in_ = in_.substr(0, z);
  out_.clear();
}

unsigned char StringConvertStream::get() {
  if (pos_ >= in_.size()) {
    atEnd_ = true;
    return 0;
  }
  return static_cast<unsigned char>(in_[pos_++]);
}

namespace {

constexpr std::size_t kMaxEntityName = 4;
constexpr long kMaxSixteenBit = 0xFFFF;

struct OpenElement {
  std::string name;
  std::vector<std::string> closed;
};

enum class State {
  Text,
  TagOpen,
  EndTagFirst,
  TagName,
  EntityStart,
  EntityName,
  CharRefStart,
  DecimalRef,
  HexRefFirst,
  HexRef
};

class Conversion {
 public:
  Conversion(const Layout& l, ConvertStream& s) : l_(l), s_(s) {}

  void run() {
    write(l_.header());
    stack_.push_back({});
    unsigned char b = s_.get();
    while (!s_.atEnd()) {
      byte(b);
      b = s_.get();
    }
    if (state_ != State::Text) throw xml_exception(0);
    if (stack_.size() > 1) throw xml_exception(3);
    write(l_.footer());
  }

 private:
  bool isLt(unsigned char b) const { return b == '<' || (l_.pseudoTags() && b == l_.pseudoLt()); }
  bool isGt(unsigned char b) const { return b == '>' || (l_.pseudoTags() && b == l_.pseudoGt()); }

  void byte(unsigned char b) {
    if (b == '\r' || b == '\n') return;
    switch (state_) {
      case State::Text:
        if (isLt(b)) {
          tag_.clear();
          endTag_ = false;
          state_ = State::TagOpen;
        } else if (b == '&') {
          entity_.clear();
          state_ = State::EntityStart;
        } else
          textByte(b);
        return;
      case State::TagOpen:
        if (b == '/') {
          endTag_ = true;
          state_ = l_.emptyEndTags() ? State::TagName : State::EndTagFirst;
        } else if (isGt(b))
          throw xml_exception(0);
        else {
          appendTag(b);
          state_ = State::TagName;
        }
        return;
      case State::EndTagFirst:
        if (b == '/' || isGt(b)) throw xml_exception(0);
        appendTag(b);
        state_ = State::TagName;
        return;
      case State::TagName:
        if (b == '/') throw xml_exception(0);
        if (isGt(b)) {
          completeTag();
          state_ = State::Text;
        } else
          appendTag(b);
        return;
      case State::EntityStart:
        if (b == ';') throw xml_exception(0);
        if (b == '#') {
          value_ = 0;
          state_ = State::CharRefStart;
        } else {
          entity_.push_back(static_cast<char>(b));
          state_ = State::EntityName;
        }
        return;
      case State::EntityName:
        if (b == ';') {
          resolveEntity();
          state_ = State::Text;
        } else if (entity_.size() >= kMaxEntityName)
          throw xml_exception(0);
        else
          entity_.push_back(static_cast<char>(b));
        return;
      case State::CharRefStart:
        if (b >= '0' && b <= '9') {
          value_ = b - '0';
          state_ = State::DecimalRef;
        } else if (b == 'x') {
          value_ = 0;
          state_ = State::HexRefFirst;
        } else
          throw xml_exception(0);
        return;
      case State::DecimalRef:
        if (b >= '0' && b <= '9')
          addDigit(10, b - '0');
        else if (b == ';') {
          charValue();
          state_ = State::Text;
        } else
          throw xml_exception(0);
        return;
      case State::HexRefFirst:
        if (ascii::upperHexDigit(b) < 0) throw xml_exception(0);
        addDigit(16, ascii::upperHexDigit(b));
        state_ = State::HexRef;
        return;
      case State::HexRef:
        if (ascii::upperHexDigit(b) >= 0)
          addDigit(16, ascii::upperHexDigit(b));
        else if (b == ';') {
          charValue();
          state_ = State::Text;
        } else
          throw xml_exception(0);
        return;
    }
  }

  // A reference past the Unicode range is a syntax error, never a wrapped int.
  void addDigit(long base, int d) {
    value_ = value_ * base + d;
    if (value_ > kMaxCharRef) throw xml_exception(0);
  }

  void appendTag(unsigned char b) {
    if (tag_.size() >= kMaxTagName) throw xml_exception(0);
    tag_.push_back(static_cast<char>(b));
  }

  void resolveEntity() {
    if (entity_ == "amp")
      textByte('&');
    else if (entity_ == "lt")
      textByte('<');
    else if (entity_ == "gt")
      textByte('>');
    else if (entity_ == "apos")
      textByte('\'');
    else if (entity_ == "quot")
      textByte('"');
    else if (l_.pseudoTags() && entity_ == "plt")
      textByte(l_.pseudoLt());
    else if (l_.pseudoTags() && entity_ == "pgt")
      textByte(l_.pseudoGt());
    else
      throw xml_exception(0);
  }

  void completeTag() {
    if (!endTag_) {
      if (stack_.size() > kMaxOpenElements) throw xml_exception(0);
      stack_.push_back({tag_, {}});
    } else {
      if (stack_.size() <= 1) throw xml_exception(2);
      if (!(l_.emptyEndTags() && tag_.empty())) {
        const std::string& open = stack_.back().name;
        bool same = l_.caseInsensitiveTags() ? ascii::lowered(open) == ascii::lowered(tag_) : open == tag_;
        if (!same) throw xml_exception(1);
      }
      std::string name = std::move(stack_.back().name);
      stack_.pop_back();
      auto& closed = stack_.back().closed;
      if (closed.size() >= kMaxClosedChildren) throw xml_exception(0);
      closed.push_back(std::move(name));
    }
    const std::string* text = decide();
    if (text && hide_ < 1) write(*text);
  }

  // Walks the rule tree along the context sequence; the deepest flagged node decides.
  const std::string* decide() {
    enum class D { None, Text, Hide, Show } d = D::None;
    const TagRule* node = &l_.rules();
    const TagRule* textNode = nullptr;
    bool ci = l_.caseInsensitiveTags();
    auto step = [&](const std::string& token) {
      auto it = node->children.find(ci ? ascii::lowered(token) : token);
      if (it == node->children.end()) return false;
      node = &it->second;
      if (node->hasText) {
        d = D::Text;
        textNode = node;
      } else if (node->hide)
        d = D::Hide;
      else if (node->show)
        d = D::Show;
      return true;
    };
    [&] {
      for (std::size_t j = stack_.size(); j-- > 0;) {
        const OpenElement& e = stack_[j];
        for (std::size_t c = e.closed.size(); c-- > 0;) {
          if (!step("/" + e.closed[c])) return;
          if (!step(e.closed[c])) return;
        }
        if (j == 0) return;
        if (!step(e.name)) return;
      }
    }();
    switch (d) {
      case D::None:
        throw xml_exception(4, "...");
      case D::Hide:
        ++hide_;
        return nullptr;
      case D::Show:
        --hide_;
        return nullptr;
      case D::Text:
        return &textNode->text;
    }
    return nullptr;
  }

  void textByte(unsigned char b) {
    if (hide_ > 0) return;
    if (l_.rtfEncoding()) {
      if (b >= 128) {
        static const char hex[] = "0123456789abcdef";
        s_.put('\\');
        s_.put('\'');
        s_.put(hex[b >> 4]);
        s_.put(hex[b & 15]);
        return;
      }
      if (b == '\\' || b == '{' || b == '}') {
        if (!l_.dontEscape()) s_.put('\\');
        s_.put(static_cast<char>(b));
        return;
      }
    }
    if (l_.htmlEncoding()) {
      switch (b) {
        case '"':
          write("&quot;");
          return;
        case '&':
          write("&amp;");
          return;
        case '\'':
          write("&apos;");
          return;
        case '<':
          write("&lt;");
          return;
        case '>':
          write("&gt;");
          return;
        default:
          break;
      }
    }
    s_.put(static_cast<char>(b));
  }

  // The renderer keeps 16 bits of a \u value, so a character beyond them goes out as its
  // UTF-16 surrogate pair.
  void charValue() {
    if (hide_ > 0 || !l_.rtfEncoding()) return;
    if (value_ > kMaxSixteenBit) {
      const long v = value_ - 0x10000;
      writeUnit(0xD800 + (v >> 10));
      writeUnit(0xDC00 + (v & 0x3FF));
    } else {
      writeUnit(value_);
    }
  }

  void writeUnit(long unit) { write("\\u" + std::to_string(unit) + " "); }

  void write(const std::string& s) {
    for (char c : s) s_.put(c);
  }

  const Layout& l_;
  ConvertStream& s_;
  std::vector<OpenElement> stack_;
  State state_ = State::Text;
  std::string tag_;
  bool endTag_ = false;
  std::string entity_;
  long value_ = 0;
  int hide_ = 0;
};

}  // namespace

void Layout::convert(ConvertStream& stream) const { Conversion(*this, stream).run(); }

std::string Layout::escapeText(std::string_view text) const {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) continue;
    if (b == '&')
      out += "&amp;";
    else if (b == '<')
      out += "&lt;";
    else if (b == '>')
      out += "&gt;";
    else if (pseudoTags_ && b == pseudoLt_)
      out += "&plt;";
    else if (pseudoTags_ && b == pseudoGt_)
      out += "&pgt;";
    else
      out.push_back(c);
  }
  return out;
}

std::string Layout::convert(std::string_view fragment) const {
  std::string out;
  StringConvertStream s(fragment, out);
  convert(s);
  return out;
}

}  // namespace lexiton
