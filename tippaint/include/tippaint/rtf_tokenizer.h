// Byte-at-a-time RTF tokenizer: turns RTF bytes into text, symbol, control-word, binary and
// group events for the reader. Hostile input is bounded: group nesting and parameter digits
// have fixed limits, so a deep or overlong document fails with an RTFException instead of
// exhausting the stack or wrapping a parameter silently.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tippaint {

// Deeper nesting than any writer of ours produces by a wide margin.
inline constexpr int kMaxGroupDepth = 256;
// A control word's parameter must fit an int32; more digits than this are refused outright.
inline constexpr int kMaxParameterDigits = 10;
// Control-word names longer than any RTF word; refusing them keeps `name` small.
inline constexpr std::size_t kMaxWordLength = 32;

class RTFException {
 public:
  // 0 end of input inside the document, 1 NUL byte, 2 bad byte after "\", 3 no digit after
  // "-", 4 bad hexadecimal digit, 5 missing parameter, 6 unexpected parameter,
  // 7 parameter out of range, 8 groups nested too deep, 9 control word too long.
  explicit RTFException(int code) : code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

class RtfEventSink {
 public:
  virtual ~RtfEventSink() = default;
  virtual void on_text(std::uint8_t byte) = 0;
  virtual void on_binary(std::uint8_t byte) = 0;
  virtual void on_symbol(char symbol) = 0;
  virtual void on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                       bool ignorable) = 0;
  virtual void on_group_open() = 0;
  virtual void on_group_close() = 0;
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(RtfEventSink& sink) : sink_(sink) {}

  // Returns false when the byte was not consumed and must be given again.
  bool feed(std::uint8_t byte);
  int depth() const { return depth_; }

 private:
  enum class Mode { Text, Escape, WordName, Minus, Digits, Hex1, Hex2, Binary };

  bool text_byte(std::uint8_t byte);
  void escape_byte(std::uint8_t byte);
  bool word_name_byte(std::uint8_t byte);
  void minus_byte(std::uint8_t byte);
  bool digits_byte(std::uint8_t byte);
  void hex_byte(std::uint8_t byte);
  void binary_byte(std::uint8_t byte);
  void dispatch_word(bool has_parameter, std::int32_t parameter);
  void append_digit(int digit);

  RtfEventSink& sink_;
  Mode mode_ = Mode::Text;
  std::string name_;
  std::int64_t parameter_ = 1;
  int digits_ = 0;
  bool negative_ = false;
  bool ignorable_ = false;
  int hex_value_ = 0;
  std::int64_t binary_left_ = 0;
  int depth_ = 0;
};

}  // namespace tippaint
