// Result-code texts, the string table and VxException's report.
#include "lexiton/protocol/result_codes.h"

#include <lexiton/language_ids.h>
#include <lexiton/local_time.h>

#include <ctime>
#include <map>
#include <string_view>

namespace lexiton::protocol {

namespace {

struct ResultText {
  ResultCode code;
  const char* text;
};

// Exact texts, trailing spaces included: clients and servers of other builds compare them.
constexpr ResultText kResultTexts[] = {
    {ResultCode::Ok, "0 OK"},
    {ResultCode::Failed, "1 FAILED"},
    {ResultCode::ConnectionSetup, "1201 Could not initialize server connection component!"},
    {ResultCode::ReceiveFailed, "1202 Error receiving reply from server! "},
    {ResultCode::BadReply, "1203 Error in server's reply! "},
    {ResultCode::DecodeFailed, "1204 Error in decoding reply!"},
    {ResultCode::EncodeFailed, "1205 Error in encoding query!"},
    {ResultCode::TimedOut, "1208 Query timed out!"},
    {ResultCode::DecodeException, "1251 Exception in decoding reply!"},
    {ResultCode::EncodeException, "1252 Exception in encoding query!"},
    {ResultCode::Installation1, "1401 Installation error! Please contact us!"},
    {ResultCode::Installation2, "1402 Installation error! Please contact us!"},
    {ResultCode::Installation3, "1403 Installation error! Please contact us!"},
    {ResultCode::Installation4, "1404 Installation error! Please contact us!"},
    {ResultCode::Installation5, "1405 Installation error! Please contact us!"},
    {ResultCode::UnsupportedServer, "1501 Unsupported server type! "},
    {ResultCode::WrongQuery, "1502 Wrong Query Submitted!"},
    {ResultCode::Initialisation, "1503 Error during initialization!"},
    {ResultCode::Processing, "1504 Error while processing! "},
    {ResultCode::UnsupportedService, "1505 Unsupported service type!"},
    {ResultCode::ProviderConnect, "1601 Error connecting to content provider!"},
    {ResultCode::ProviderSend, "1602 Error sending data to content provider!"},
    {ResultCode::ProviderReceive, "1603 Error receiving data from content provider!"},
    {ResultCode::ProviderNoData, "1604 Content provider didn't submit any data!"},
    {ResultCode::UpgradeNeeded, "1701 Client needs to be updated! "},
    {ResultCode::NewVersion, "1704 New client version available! "},
    {ResultCode::WrongSession, "1708 Wrong or expired session identification submitted!"},
    {ResultCode::SessionInterrupted, "1709 Session interrupted!"},
    {ResultCode::NotAccepting, "1710 Not accepting connections (restarting service)!"},
    {ResultCode::NoPostedData, "4040 No posted data (Usually running from a browser)! "},
};

constexpr const char* kUndefinedResult = "2000 Undefined Error!";

}  // namespace

std::string resultMessage(int code) {
  for (const ResultText& entry : kResultTexts)
    if (number(entry.code) == code) return entry.text;
  return kUndefinedResult;
}

std::string resultMessage(ResultCode code) { return resultMessage(number(code)); }

int reportResult(ResultCode code, std::string& out, std::string_view detail) {
  out = resultMessage(code);
  out.append(detail);
  return number(code);
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
      {135,
       "A szerver nem v\xE1laszolt id\xF5"
       "ben!"},
      {136, "The server did not respond in time."},
      {139, "A k\xE9r\xE9s feldolgoz\xE1sa f\xE9lbemaradt!"},
      {140, "The query has been interrupted."},
      {145, "Sikertelen ford\xEDt\xE1s! (1)"},
      {146, "Translation failed. (1)"},
      {141,
       "A Korvell szerver most t\xFAlterhelt, k\xE9rj\xFCk, pr\xF3"
       "b\xE1lja \xFAjra egy kis id\xF5 m\xFAlva!"},
      {142, "The Korvell server is busy; please try again in a moment."},
  };
  auto it = table.find(id);
  return it == table.end() ? std::string() : it->second;
}

std::string localizedResultText(int code, int language, std::string_view message) {
  const bool hu = isHungarian(language);
  auto tail = [&] {
    auto pos = message.rfind('(');
    return pos == std::string_view::npos ? std::string() : std::string(message.substr(pos));
  };
  switch (static_cast<ResultCode>(code)) {
    case ResultCode::ReceiveFailed:
    case ResultCode::BadReply:
      return stringTableEntry(hu ? 122 : 123) + " " + tail();
    case ResultCode::TimedOut:
      return stringTableEntry(hu ? 135 : 136);
    case ResultCode::Processing:
      return stringTableEntry(hu ? 132 : 129) + " " + tail();
    case ResultCode::ProviderConnect:
    case ResultCode::ProviderSend:
    case ResultCode::ProviderReceive:
      return stringTableEntry(hu ? 131 : 130) + " (" + std::to_string(code) + ")";
    case ResultCode::ProviderNoData:
      return stringTableEntry(hu ? 145 : 146);
    case ResultCode::SessionInterrupted:
      return stringTableEntry(hu ? 139 : 140);
    case ResultCode::NotAccepting:  // a busy server: its English line would be all a user sees
      return stringTableEntry(hu ? 141 : 142);
    default:
      return std::string(message);
  }
}

namespace {
std::string localTimeText() {
  const std::tm parts = localTime(std::time(nullptr));
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
