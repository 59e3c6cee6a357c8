// Result-code texts, the string table and VxException's report.
#include "lexiton/protocol/result_codes.h"

#include <ctime>
#include <map>

namespace lexiton::protocol {

std::string resultMessage(int code) {
  static const std::map<int, const char*> table = {
      {0, "0 OK"},
      {1, "1 FAILED"},
      {1201, "1201 Could not initialize server connection component!"},
      {1202, "1202 Error receiving reply from server! "},
      {1203, "1203 Error in server's reply! "},
      {1204, "1204 Error in decoding reply!"},
      {1205, "1205 Error in encoding query!"},
      {1208, "1208 Query timed out!"},
      {1251, "1251 Exception in decoding reply!"},
      {1252, "1252 Exception in encoding query!"},
      {1401, "1401 Installation error! Please contact us!"},
      {1402, "1402 Installation error! Please contact us!"},
      {1403, "1403 Installation error! Please contact us!"},
      {1404, "1404 Installation error! Please contact us!"},
      {1405, "1405 Installation error! Please contact us!"},
      {1501, "1501 Unsupported server type! "},
      {1502, "1502 Wrong Query Submitted!"},
      {1503, "1503 Error during initialization!"},
      {1504, "1504 Error while processing! "},
      {1505, "1505 Unsupported service type!"},
      {1601, "1601 Error connecting to content provider!"},
      {1602, "1602 Error sending data to content provider!"},
      {1603, "1603 Error receiving data from content provider!"},
      {1604, "1604 Content provider didn't submit any data!"},
      {1701, "1701 Client needs to be updated! "},
      {1704, "1704 New client version available! "},
      {1708, "1708 Wrong or expired session identification submitted!"},
      {1709, "1709 Session interrupted!"},
      {1710, "1710 Not accepting connections (restarting service)!"},
      {4040, "4040 No posted data (Usually running from a browser)! "},
  };
  auto it = table.find(code);
  return it == table.end() ? "2000 Undefined Error!" : it->second;
}

// Hungarian entries are Windows-1250 single-byte text, as the message boxes show them.
std::string stringTableEntry(int id) {
  static const std::map<int, const char*> table = {
      {122, "Nincs kapcsolat a Korvell szerverrel!"},
      {123, "There is no connection to the Korvell server!"},
      {129, "An error occured in the server while processing the request!"},
      {130, "Couldn't establish connection to content provider!"},
      {131, "Nem lehetett kapcsolatot l\xE9tes\xEDteni a tartalomszolg\xE1ltat\xF3val!"},
      {132, "Hiba t\xF6rt\xE9nt a szerverben a k\xE9r\xE9s feldolgoz\xE1sa sor\xE1n!"},
      {135, "A szerver nem v\xE1laszolt id\xF5" "ben!"},
      {136, "The server did not respond in time."},
      {139, "A k\xE9r\xE9s feldolgoz\xE1sa f\xE9lbemaradt!"},
      {140, "The query has been interrupted."},
      {145, "Sikertelen ford\xEDt\xE1s! (1)"},
      {146, "Translation failed. (1)"},
  };
  auto it = table.find(id);
  return it == table.end() ? std::string() : it->second;
}

std::string localizedResultText(int code, int language, std::string_view message) {
  const bool hu = language == 1038;
  auto tail = [&] {
    auto pos = message.rfind('(');
    return pos == std::string_view::npos ? std::string() : std::string(message.substr(pos));
  };
  switch (code) {
    case 1202:
    case 1203:
      return stringTableEntry(hu ? 122 : 123) + " " + tail();
    case 1208:
      return stringTableEntry(hu ? 135 : 136);
    case 1504:
      return stringTableEntry(hu ? 132 : 129) + " " + tail();
    case 1601:
    case 1602:
    case 1603:
      return stringTableEntry(hu ? 131 : 130) + " (" + std::to_string(code) + ")";
    case 1604:
      return stringTableEntry(hu ? 145 : 146);
    case 1709:
      return stringTableEntry(hu ? 139 : 140);
    default:
      return std::string(message);
  }
}

namespace {
std::string localTimeText() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  char text[24] = {};
  std::strftime(text, sizeof text, "%Y.%m.%d,%H:%M:%S", &parts);
  return text;
}
}  // namespace

VxException::VxException(std::string file, int line, std::string details)
    : VxException(localTimeText(), std::move(file), line, std::move(details)) {}

VxException::VxException(std::string time, std::string file, int line, std::string details)
    : time_(std::move(time)), file_(std::move(file)), line_(line), details_(std::move(details)) {
  report_ = "\n********Exception********\nTime:    " + time_ + "\nFile:    " + file_ +
            "\nLine:    " + std::to_string(line_) + "\nDetails: " + details_ + "\n";
}

}  // namespace lexiton::protocol
