// RTF tokenizer state machine: one handler per mode.
#include "tippaint/rtf_tokenizer.h"

#include <limits>

#include <lexiton/ascii.h>

namespace tippaint {
namespace {

bool is_lower(std::uint8_t b) { return b >= 'a' && b <= 'z'; }
bool is_digit(std::uint8_t b) { return b >= '0' && b <= '9'; }

}  // namespace

bool RtfTokenizer::feed(std::uint8_t byte) {
  switch (mode_) {
    case Mode::Text:
      return text_byte(byte);
    case Mode::Escape:
      escape_byte(byte);
      return true;
    case Mode::WordName:
      return word_name_byte(byte);
    case Mode::Minus:
      minus_byte(byte);
      return true;
    case Mode::Digits:
      return digits_byte(byte);
    case Mode::Hex1:
    case Mode::Hex2:
      hex_byte(byte);
      return true;
    case Mode::Binary:
      binary_byte(byte);
      return true;
  }
  return true;
}

bool RtfTokenizer::text_byte(std::uint8_t byte) {
  switch (byte) {
    case 0x00:
      throw RTFException(RTFException::kNulByte);
    case '\t':
      name_ = "tab";
      dispatch_word(false, 1);
      return true;
    case '\r':
    case '\n':
      return true;
    case '\\':
      mode_ = Mode::Escape;
      return true;
    case '{':
      sink_.on_group_open();
      return true;
    case '}':
      sink_.on_group_close();
      return true;
    default:
      sink_.on_text(byte);
      return true;
  }
}

void RtfTokenizer::escape_byte(std::uint8_t byte) {
  mode_ = Mode::Text;
  if (is_lower(byte)) {
    name_.assign(1, static_cast<char>(byte));
    parameter_ = 1;
    digits_ = 0;
    negative_ = false;
    mode_ = Mode::WordName;
    return;
  }
  switch (byte) {
    case '\t':
      name_ = "tab";
      dispatch_word(false, 1);
      return;
    case '\r':
    case '\n':
      name_ = "par";
      dispatch_word(false, 1);
      return;
    case '\'':
      hex_value_ = 0;
      mode_ = Mode::Hex1;
      return;
    case '*':
      ignorable_ = true;
      return;
    case '-':
    case ':':
    case '_':
    case '|':
    case '~':
      sink_.on_symbol(static_cast<char>(byte));
      return;
    case '\\':
    case '{':
    case '}':
      sink_.on_text(byte);
      return;
    default:
      throw RTFException(RTFException::kBadEscape);
  }
}

bool RtfTokenizer::word_name_byte(std::uint8_t byte) {
  if (is_lower(byte)) {
    if (name_.size() <= kMaxWordLength) name_.push_back(static_cast<char>(byte));
    return true;
  }
  if (byte == '-') {
    negative_ = true;
    mode_ = Mode::Minus;
    return true;
  }
  if (is_digit(byte)) {
    parameter_ = 0;
    append_digit(byte - '0');
    mode_ = Mode::Digits;
    return true;
  }
  mode_ = Mode::Text;
  dispatch_word(false, 1);
  return byte == ' ';
}

void RtfTokenizer::minus_byte(std::uint8_t byte) {
  if (!is_digit(byte)) throw RTFException(RTFException::kMinusWithoutDigit);
  parameter_ = 0;
  append_digit(byte - '0');
  mode_ = Mode::Digits;
}

void RtfTokenizer::append_digit(int digit) {
  if ((parameter_ != 0 || digit != 0) && ++digits_ > kMaxParameterDigits)
    throw RTFException(RTFException::kParameterOutOfRange);
  parameter_ = parameter_ * 10 + digit;
  // The negated form may reach INT32_MIN; the plain form only INT32_MAX.
  const std::int64_t limit = negative_ ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                       : std::numeric_limits<std::int32_t>::max();
  if (parameter_ > limit) throw RTFException(RTFException::kParameterOutOfRange);
}

bool RtfTokenizer::digits_byte(std::uint8_t byte) {
  if (is_digit(byte)) {
    append_digit(byte - '0');
    return true;
  }
  const std::int64_t value = negative_ ? -parameter_ : parameter_;
  mode_ = Mode::Text;
  const bool binary = name_ == "bin" && value > 0;
  dispatch_word(true, static_cast<std::int32_t>(value));
  if (binary) {
    binary_left_ = value;
    mode_ = Mode::Binary;
  }
  return byte == ' ';
}

void RtfTokenizer::hex_byte(std::uint8_t byte) {
  const int digit = lexiton::ascii::hexDigit(byte);
  if (digit < 0) throw RTFException(RTFException::kBadHexDigit);
  if (mode_ == Mode::Hex1) {
    hex_value_ = digit;
    mode_ = Mode::Hex2;
    return;
  }
  mode_ = Mode::Text;
  sink_.on_text(static_cast<std::uint8_t>(hex_value_ * 16 + digit));
}

void RtfTokenizer::binary_byte(std::uint8_t byte) {
  sink_.on_binary(byte);
  if (--binary_left_ == 0) mode_ = Mode::Text;
}

void RtfTokenizer::dispatch_word(bool has_parameter, std::int32_t parameter) {
  const bool ignorable = ignorable_;
  ignorable_ = false;
  sink_.on_word(name_, has_parameter, parameter, ignorable);
}

}  // namespace tippaint
