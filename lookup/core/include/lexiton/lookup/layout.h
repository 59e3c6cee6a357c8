// The loaded style sheet (Layout) and the XML-to-RTF conversion it drives.
// A Layout is built once from a file and then only read, so one object may convert on
// several threads at once.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace lexiton {

// Style-sheet load failure: code 0 cannot open, 1 read failure, 2 syntax error.
class layout_exception : public std::exception {
 public:
  layout_exception(int code, int line) : code_(code), line_(line) {}
  int code() const { return code_; }
  int line() const { return line_; }
  const char* what() const noexcept override { return "style sheet failure"; }

 private:
  int code_;
  int line_;
};

// Conversion failure: 0 syntax, 1 end tag mismatch, 2 end tag with nothing open,
// 3 input ended inside an element, 4 no rule decides a tag.
class xml_exception : public std::exception {
 public:
  xml_exception(int code, std::string text = {}) : code_(code), text_(std::move(text)) {}
  int code() const { return code_; }
  const std::string& text() const { return text_; }
  const char* what() const noexcept override { return "malformed XML"; }

 private:
  int code_;
  std::string text_;
};

// Source and sink of one conversion.
class ConvertStream {
 public:
  virtual ~ConvertStream() = default;
  virtual bool atEnd() const = 0;
  virtual unsigned char get() = 0;
  virtual void put(char c) = 0;
};

// Reads a byte string (up to its first zero byte) and appends to a string it empties first.
class StringConvertStream : public ConvertStream {
 public:
  StringConvertStream(std::string_view in, std::string& out);
  bool atEnd() const override { return atEnd_; }
  unsigned char get() override;
  void put(char c) override { out_.push_back(c); }

 private:
  std::string_view in_;
  std::size_t pos_ = 0;
  bool atEnd_ = false;
  std::string& out_;
};

struct TagRule {
  std::string text;
  bool hasText = false;
  bool hide = false;
  bool show = false;
  std::map<std::string, TagRule> children;
};

class Layout {
 public:
  // Loads a style sheet; throws layout_exception.
  explicit Layout(const std::string& path);

  // Converts one fragment; throws xml_exception.
  void convert(ConvertStream& stream) const;
  std::string convert(std::string_view fragment) const;

  // `text` written so that a conversion reads it back as exactly these text bytes: "&", "<",
  // ">" (and the pseudo signs when pseudo tags are on) become entities, and zero bytes, which
  // would end the fragment, are left out. For texts the look-up did not write itself, such as
  // a server's message or the host's footer text, before they are wrapped in elements.
  std::string escapeText(std::string_view text) const;

  const std::string& header() const { return header_; }
  const std::string& footer() const { return footer_; }
  const TagRule& rules() const { return root_; }
  bool emptyEndTags() const { return emptyEndTags_; }
  bool caseInsensitiveTags() const { return caseInsensitive_; }
  bool rtfEncoding() const { return rtfEncoding_; }
  bool htmlEncoding() const { return htmlEncoding_; }
  bool pseudoTags() const { return pseudoTags_; }
  bool dontEscape() const { return dontEscape_; }
  unsigned char pseudoLt() const { return pseudoLt_; }
  unsigned char pseudoGt() const { return pseudoGt_; }

 private:
  friend class StyleSheetReader;
  std::string header_;
  std::string footer_;
  TagRule root_;
  bool emptyEndTags_ = false;
  bool caseInsensitive_ = false;
  bool rtfEncoding_ = false;
  bool htmlEncoding_ = false;
  bool pseudoTags_ = false;
  bool dontEscape_ = false;
  unsigned char pseudoLt_ = 139;
  unsigned char pseudoGt_ = 155;
};

// Bounds on what one conversion will hold.
inline constexpr std::size_t kMaxOpenElements = 256;
inline constexpr std::size_t kMaxTagName = 1024;
inline constexpr std::size_t kMaxClosedChildren = 4096;
inline constexpr long kMaxCharRef = 0x10FFFF;
// Bounds on a style sheet.
inline constexpr std::size_t kMaxStyleLine = 64 * 1024;
inline constexpr std::size_t kMaxRuleDepth = 64;

}  // namespace lexiton
