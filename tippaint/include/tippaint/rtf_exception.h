// The one failure the RTF reader and the line layout report: an integer code. The caller
// (the painter export) catches it, stops painting and reports failure.
#pragma once

#include <exception>

namespace tippaint {

class RTFException : public std::exception {
 public:
  // Codes of malformed documents.
  static constexpr int kEndOfInput = 0;           // buffer ended inside the outermost group
  static constexpr int kNulByte = 1;              // 0x00 in text
  static constexpr int kBadEscape = 2;            // "\" followed by an unknown byte
  static constexpr int kMinusWithoutDigit = 3;    // "\word-" not followed by a digit
  static constexpr int kBadHexDigit = 4;          // "\'hh" with a non-hexadecimal byte
  static constexpr int kMissingParameter = 5;     // a word that needs a parameter came without
  static constexpr int kUnexpectedParameter = 6;  // a word that takes none came with one
  static constexpr int kNoRoomForLine = 7;        // layout: indents leave no width
  static constexpr int kUndefinedFont = 8;        // font number the table does not define
  static constexpr int kBadColour = 9;            // colour number outside the table
  // Codes of the resource bounds that keep hostile input from exhausting memory or stack.
  static constexpr int kParameterOutOfRange = 10;  // parameter beyond the int32 range
  static constexpr int kGroupsTooDeep = 11;        // more nested groups than kMaxGroupDepth
  static constexpr int kWordTooLong = 12;          // not raised: overlong words read as unknown
  static constexpr int kTooLarge = 13;             // document content beyond its fixed bounds

  explicit RTFException(int code) : code_(code) {}
  int code() const { return code_; }
  const char* what() const noexcept override { return "malformed RTF"; }

 private:
  int code_;
};

}  // namespace tippaint
