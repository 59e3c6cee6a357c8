// Result codes of server operations, their fixed messages, and the library's exception.
#pragma once

#include <lexiton/fixed_texts.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace lexiton::protocol {

// The result codes of server operations, shared by the client libraries and the translation
// server. The numbers travel on the wire and lead every message text; they never change. A code
// the server sends may be any number: functions that pass codes on return the number (`int`).
enum class ResultCode : int {
  Ok = 0,
  Failed = 1,  // an error record inside a valid reply; the text starts with the server's code
  ConnectionSetup = 1201,
  ReceiveFailed = 1202,
  BadReply = 1203,
  DecodeFailed = 1204,
  EncodeFailed = 1205,
  TimedOut = 1208,
  DecodeException = 1251,
  EncodeException = 1252,
  Installation1 = 1401,
  Installation2 = 1402,
  Installation3 = 1403,
  Installation4 = 1404,
  Installation5 = 1405,
  UnsupportedServer = 1501,
  WrongQuery = 1502,
  Initialisation = 1503,
  Processing = 1504,
  UnsupportedService = 1505,
  ProviderConnect = 1601,
  ProviderSend = 1602,
  ProviderReceive = 1603,
  ProviderNoData = 1604,
  UpgradeNeeded = 1701,
  NewVersion = 1704,
  WrongSession = 1708,
  SessionInterrupted = 1709,
  NotAccepting = 1710,
  NoPostedData = 4040,
};

// The number of a code, as it travels and as callers compare it.
constexpr int number(ResultCode code) { return static_cast<int>(code); }

// The fixed text of a code.
std::string resultMessage(ResultCode code);
// The fixed text of a code number from the wire; "2000 Undefined Error!" for unknown numbers.
std::string resultMessage(int code);

// Sets `out` to the code's fixed text followed by `detail`, and returns the code's number: the
// one step every producer of a code takes.
int reportResult(ResultCode code, std::string& out, std::string_view detail = {});

// The library's own string table (English/Hungarian entries by id); empty for unknown ids.
std::string stringTableEntry(int id);

// What the user sees for a non-zero result; Hungarian for kLanguageHungarian.
std::string localizedResultText(int code, int language, std::string_view message);

class VxException : public std::exception {
 public:
  VxException(std::string file, int line, std::string details);
  // A report at one of the system's fixed places (fixed_texts.h).
  explicit VxException(const fixed_texts::ReportPlace& place)
      : VxException(std::string(place.file), place.line, std::string(place.details)) {}
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
