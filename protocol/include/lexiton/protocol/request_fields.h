// The clear-text fields of the form body the client posts, and the keys of the query record.
#pragma once

namespace lexiton::protocol::fields {

inline constexpr char kVersion[] = "1.2.3";
inline constexpr char kBuildTag[] = "44lx";
inline constexpr char kProduct[] = "Korvell";
inline constexpr char kApplication[] = "lexiton";
inline constexpr char kEncoding[] = "ASCII";
inline constexpr char kLanguagePair[] = "En-Hu";

// Body: "who=<version>.<tag>&where=[sessionend,|storno,]<product>&what=<name><packed hex>".
inline constexpr char kWho[] = "who=";
inline constexpr char kWhere[] = "&where=";
inline constexpr char kWhat[] = "&what=";
inline constexpr char kSessionEndPrefix[] = "sessionend,";
inline constexpr char kCancelPrefix[] = "storno,";
inline constexpr unsigned kSessionIdLength = 104;
inline constexpr unsigned kSessionNameLength = 40;

// Query record keys, in order of writing.
inline constexpr char kUser[] = "usr";
inline constexpr char kPassword[] = "pass";
inline constexpr char kLanguage[] = "lng";
inline constexpr char kAct[] = "act";
inline constexpr char kEnc[] = "enc";
inline constexpr char kForm[] = "frm";
inline constexpr char kUrl[] = "url";
inline constexpr char kData[] = "dat";

}  // namespace lexiton::protocol::fields
