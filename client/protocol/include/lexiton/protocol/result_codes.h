// Result codes of server operations, their fixed messages, and the library's exception.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace lexiton::protocol {

// The fixed text of a code; "2000 Undefined Error!" for unknown codes.
std::string resultMessage(int code);

// The library's own string table (English/Hungarian entries by id); empty for unknown ids.
std::string stringTableEntry(int id);

// What the user sees for a non-zero result; language 1038 selects Hungarian.
std::string localizedResultText(int code, int language, std::string_view message);

class VxException : public std::exception {
 public:
  VxException(std::string file, int line, std::string details);
  // Builds the report with a given time text (tests); the other constructor uses local time.
  VxException(std::string time, std::string file, int line, std::string details);
  const char* what() const noexcept override { return report_.c_str(); }
  const std::string& time() const { return time_; }
  const std::string& file() const { return file_; }
  int line() const { return line_; }
  const std::string& details() const { return details_; }

 private:
  std::string time_;
  std::string file_;
  int line_;
  std::string details_;
  std::string report_;
};

}  // namespace lexiton::protocol
