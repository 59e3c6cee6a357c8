// The clear-text form fields of a client request ("who", "where", "what") and the
// session-bound query record carried inside "what".
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lexiton/protocol/request_fields.h"

namespace lexiton::server {

// Bodies are a few kilobytes at most: a 1000-character window, escaped, packed and hexed.
inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;
inline constexpr std::size_t kSessionNameLength = protocol::fields::kSessionNameLength;

enum class RequestKind { Query, SessionEnd, Cancel };

struct RequestForm {
  std::string who;    // "1.2.3.44lx"
  std::string where;  // "Korvell", "sessionend,Korvell" or "storno,Korvell"
  std::string what;   // session name (40 characters) followed by the packed hex text
};

// Splits a form body; values are taken verbatim (the client never percent-encodes).
// Empty when the body is too large or a field is missing.
std::optional<RequestForm> parseRequestForm(std::string_view body);

RequestKind requestKind(const RequestForm& form);

// Leading dotted numbers of a "who" value compared with a minimum such as "1.2.3";
// true when the client is older than the minimum.
bool versionOlderThan(std::string_view who, std::string_view minimum);

}  // namespace lexiton::server
