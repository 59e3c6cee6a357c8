// PipeWriter and PipeReader.
#include "lexiton/protocol/pipe_format.h"

#include <cerrno>
#include <cstdlib>

#include "lexiton/fixed_texts.h"
#include "lexiton/protocol/result_codes.h"

namespace lexiton::protocol {

namespace {
[[noreturn]] void fail(const fixed_texts::ReportPlace& place) { throw VxException(place); }
}  // namespace

std::int32_t leadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Saturate like strtol on overflow, then narrow to 32 bits like the C library's int.
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < (1LL << 40)) value = value * 10 + (text[i] - '0');
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

void PipeWriter::writeEscaped(std::string_view text, char terminator) {
  for (char c : text) {
    buffer_.push_back(c);
    if (c == '|') buffer_.push_back('|');
  }
  buffer_.push_back('|');
  buffer_.push_back(terminator);
}

void PipeWriter::writeElement(std::string_view text) { writeEscaped(text, ';'); }
void PipeWriter::writeKey(std::string_view text) { writeEscaped(text, ':'); }
void PipeWriter::writeValue(std::string_view text) { writeEscaped(text, '.'); }
void PipeWriter::writeKeyElement(std::string_view key, std::string_view text) {
  writeKey(key);
  writeElement(text);
}
void PipeWriter::writeKeyValue(std::string_view key, std::string_view text) {
  writeKey(key);
  writeValue(text);
}
void PipeWriter::writeBool(bool b) { writeValue(b ? "TRUE" : "FALSE"); }
void PipeWriter::writeBoolList(const std::vector<bool>& list) {
  for (bool b : list) writeElement(b ? "TRUE" : "FALSE");
  writeValue({});
}
void PipeWriter::writeInt(int i) { writeValue(std::to_string(i)); }
void PipeWriter::writeUnsigned(std::uint32_t u) { writeValue(std::to_string(u)); }
void PipeWriter::writeUnsignedList(const std::vector<std::uint32_t>& list) {
  for (auto u : list) writeElement(std::to_string(u));
  writeValue({});
}
void PipeWriter::writeString(std::string_view text) { writeValue(text); }
void PipeWriter::writeStringList(const std::vector<std::string>& list) {
  for (const auto& s : list) writeElement(s);
  writeValue({});
}

// Each position is scanned once: the loop only moves forward, so no input can make it spin.
TokenKind PipeReader::readToken(std::string& out) {
  out.clear();
  std::size_t pos = 0;
  for (;;) {
    std::size_t bar = buffer_.find('|', pos);
    if (bar == std::string::npos) {
      out.append(buffer_, pos, std::string::npos);
      return TokenKind::None;
    }
    out.append(buffer_, pos, bar - pos);
    if (bar + 1 == buffer_.size()) return TokenKind::None;
    TokenKind kind;
    switch (buffer_[bar + 1]) {
      case '.':
        kind = TokenKind::ValueEnd;
        break;
      case ';':
        kind = TokenKind::ElementEnd;
        break;
      case ':':
        kind = TokenKind::KeyEnd;
        break;
      case '|':
        out.push_back('|');
        pos = bar + 2;
        continue;
      default:  // not a valid pair: the "|" is literal text
        out.push_back('|');
        pos = bar + 1;
        continue;
    }
    buffer_.erase(0, bar + 2);
    return kind;
  }
}

bool PipeReader::readBool() {
  std::string token;
  if (readToken(token) != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoBoolean);
  return token == "TRUE";
}

std::vector<bool> PipeReader::readBoolList() {
  std::vector<bool> list;
  std::string token;
  TokenKind kind;
  while ((kind = readToken(token)) == TokenKind::ElementEnd) list.push_back(token == "TRUE");
  if (kind != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoBooleanVector);
  return list;
}

std::int32_t PipeReader::readInt() {
  std::string token;
  if (readToken(token) != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoInteger);
  return leadingInt(token);
}

std::uint32_t PipeReader::readUnsigned() {
  std::string token;
  if (readToken(token) != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoUnsigned);
  return static_cast<std::uint32_t>(leadingInt(token));
}

std::vector<std::uint32_t> PipeReader::readUnsignedList() {
  std::vector<std::uint32_t> list;
  std::string token;
  TokenKind kind;
  while ((kind = readToken(token)) == TokenKind::ElementEnd)
    list.push_back(static_cast<std::uint32_t>(leadingInt(token)));
  if (kind != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoUnsignedVector);
  return list;
}

std::string PipeReader::readString() {
  std::string token;
  if (readToken(token) != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoString);
  return token;
}

std::vector<std::string> PipeReader::readStringList() {
  std::vector<std::string> list;
  std::string token;
  TokenKind kind;
  while ((kind = readToken(token)) == TokenKind::ElementEnd) list.push_back(token);
  if (kind != TokenKind::ValueEnd) fail(fixed_texts::kPipeNoStringVector);
  return list;
}

}  // namespace lexiton::protocol
