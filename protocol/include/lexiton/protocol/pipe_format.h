// The pipe-delimited record format of queries and error replies: tokens closed by "|.",
// "|;" or "|:", a literal "|" written as "||".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton::protocol {

enum class TokenKind { None = 0, ValueEnd = 2, ElementEnd = 3, KeyEnd = 4 };

class PipeWriter {
 public:
  virtual ~PipeWriter() = default;
  virtual void clear() { buffer_.clear(); }
  virtual const std::string& buffer() const { return buffer_; }
  virtual void writeElement(std::string_view text);
  virtual void writeKey(std::string_view text);
  virtual void writeValue(std::string_view text);
  virtual void writeKeyElement(std::string_view key, std::string_view text);
  virtual void writeKeyValue(std::string_view key, std::string_view text);
  virtual void writeBool(bool b);
  virtual void writeBoolList(const std::vector<bool>& list);
  virtual void writeInt(int i);
  virtual void writeUnsigned(std::uint32_t u);
  virtual void writeUnsignedList(const std::vector<std::uint32_t>& list);
  virtual void writeString(std::string_view text);
  virtual void writeStringList(const std::vector<std::string>& list);

 private:
  void writeEscaped(std::string_view text, char terminator);
  std::string buffer_;
};

// Failed typed reads throw VxException; tokens read before the failure stay consumed, an
// incomplete token stays in the buffer. A "|" followed by any other byte is literal text.
class PipeReader {
 public:
  virtual ~PipeReader() = default;
  virtual void clear() { buffer_.clear(); }
  virtual bool readBool();
  virtual std::vector<bool> readBoolList();
  virtual std::int32_t readInt();
  virtual std::uint32_t readUnsigned();
  virtual std::vector<std::uint32_t> readUnsignedList();
  virtual std::string readString();
  virtual std::vector<std::string> readStringList();
  virtual void append(std::string_view text) { buffer_.append(text); }
  virtual TokenKind readToken(std::string& out);
  const std::string& buffer() const { return buffer_; }

 private:
  std::string buffer_;
};

// The standard leading-digits conversion (blanks, sign, digits; 0 without digits).
std::int32_t leadingInt(std::string_view text);

}  // namespace lexiton::protocol
