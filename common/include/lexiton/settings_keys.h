// The settings file "lexiton.ini" as the modules share it: its name, and the sections and keys
// that the host, the look-up libraries, the hover dictionary and the server's session command
// read or write. Each value keeps the rules of the code that reads it.
#pragma once

#include <string_view>

namespace lexiton::settings {

// In the data directory (lexiton/data_directory_record.h).
inline constexpr std::string_view kFileName = "lexiton.ini";

// The host's own settings, and the interface language every library follows.
namespace dict {
inline constexpr std::string_view kSection = "dict";
inline constexpr std::string_view kUserLang = "UserLang";
inline constexpr std::string_view kHoverDicts = "HVRDicts";  // 1: the hover dictionary is started
inline constexpr std::string_view kTooltipColour = "TTColor";
inline constexpr std::string_view kAutoRun = "AutoRun";
inline constexpr std::string_view kCustomColors = "CustomColors";
inline constexpr std::string_view kFeedbackText = "FeedbackText";
// The name in the tray tip: DictName followed by the language id (DictName1038), else DictName.
inline constexpr std::string_view kDictName = "DictName";
}  // namespace dict

// The translation server: which look-up library the host loads, and how LexitonClt reaches the
// server.
namespace server {
inline constexpr std::string_view kSection = "Server Settings";
inline constexpr std::string_view kServerMode = "Server_Mode";
inline constexpr std::string_view kServerAddress = "Server_Address";
inline constexpr std::string_view kServerTimeout = "Server_Timeout";
inline constexpr std::string_view kSessionId = "SessionID";
inline constexpr std::string_view kProxyServer = "Proxy_Server";
inline constexpr std::string_view kProxyAuth = "Proxy_Auth";
inline constexpr std::string_view kProxyType = "Proxy_Type";
}  // namespace server

// The account LexitonClt signs in with.
namespace user {
inline constexpr std::string_view kSection = "User Settings";
inline constexpr std::string_view kName = "Name";
inline constexpr std::string_view kPassword = "Password";
}  // namespace user

// Speech: a section per language, each with its State ("On" speaks).
namespace audio {
inline constexpr std::string_view kSourceSection = "Source Language Audio Settings";
inline constexpr std::string_view kDestinationSection = "Destination Language Audio Settings";
inline constexpr std::string_view kState = "State";
}  // namespace audio

// The hover dictionaries the user chose: one key per dictionary identifier, 1 open, 0 closed; a
// missing key means the dictionary's default.
namespace hover_dictionaries {
inline constexpr std::string_view kSection = "Hover Dictionaries";
}  // namespace hover_dictionaries

}  // namespace lexiton::settings
