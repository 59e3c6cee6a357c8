// Byte-at-a-time RTF tokenizer: turns RTF bytes into text, symbol, control-word, binary and
// group events for the reader. Every destination of the reader has its own tokenizer, so a
// pending "\*" or "\bin" stays with the destination that saw it. Hostile input is bounded:
// parameter digits and word length have fixed limits, so an overlong word fails with an
// RTFException instead of wrapping a parameter silently; group depth is bounded by the reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "tippaint/rtf_exception.h"

namespace tippaint {

// The reader refuses deeper group nesting than this; no writer of ours comes near it.
inline constexpr int kMaxGroupDepth = 256;
// A control word's parameter must fit an int32; more digits than this are refused outright.
inline constexpr int kMaxParameterDigits = 10;
// Control-word names longer than any RTF word; refusing them keeps `name` small.
inline constexpr std::size_t kMaxWordLength = 32;

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
};

}  // namespace tippaint
