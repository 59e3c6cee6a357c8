// Where a look-up's query goes. The client library answers through the translation server
// (protocol::ServerConnection); the stand-alone library answers in-process with the
// translator over the compiled dictionary. The pipeline sees only this interface, so both
// libraries share every other line of the look-up.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace lexiton {
class Profile;
}

namespace lexiton::lookup {

class QueryBackend {
 public:
  virtual ~QueryBackend() = default;
  // One look-up: `url` names the text's source, `text` is the encoded query text with the
  // pointer marker, `mode` the request mode. Returns a result code; `out` receives the reply
  // (0), "<number> <text>" (1) or the server's text for other codes. Never throws.
  virtual int query(std::string_view url, std::string_view text, int mode, std::string& out) = 0;
  // Drops the running request; -1 when there is nothing to cancel.
  virtual int cancelQuery() = 0;
  // Ends the session; -1 when there is none.
  virtual int close() = 0;
  // New proxy settings from the proxy dialog; backends without a network ignore them.
  virtual void setProxy(std::string_view server, std::string_view type, std::string_view credentials) {}
};

// LexitonClt's backend: the translation server through protocol::ServerConnection, and only in
// server mode (null otherwise). The signature of LibraryOptions::backend.
std::unique_ptr<QueryBackend> makeServerBackend(Profile& settings, bool serverMode,
                                                const std::string& moduleDir);

}  // namespace lexiton::lookup
