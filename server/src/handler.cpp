// Request handling: status lines for requests that cannot be answered in a packed reply,
// packed replies (translation or error record) for everything else.
#include "lexiton/server/handler.h"

#include "lexiton/protocol/client_packer.h"
#include "lexiton/protocol/pipe_format.h"
#include "lexiton/protocol/request_fields.h"
#include "lexiton/server/request_form.h"
#include "lexiton/server/session_store.h"

#include <map>
#include <mutex>

namespace lexiton::server {
namespace {

// A query record has eight keys and their values; anything much longer is not one.
constexpr std::size_t kMaxRecordTokens = 64;

using protocol::TokenKind;
using RecordFields = std::map<std::string, std::string, std::less<>>;

// Keys followed by one value token each; a record is empty or has every required key.
bool parseRecord(const std::string& record, RecordFields& fields) {
  protocol::PipeReader reader;
  reader.append(record);
  std::string key, value;
  for (std::size_t tokens = 0; !reader.buffer().empty(); tokens += 2) {
    if (tokens >= kMaxRecordTokens) return false;
    if (reader.readToken(key) != TokenKind::KeyEnd) return false;
    const TokenKind kind = reader.readToken(value);
    if (kind != TokenKind::ValueEnd && kind != TokenKind::ElementEnd) return false;
    if (!fields.emplace(key, value).second) return false;
  }
  return true;
}

// The packed reply: the same packing the client unpacks with, never a copy of it.
std::string packedRaw(const std::string& keyHex, std::string_view text) {
  std::string out;
  if (!protocol::ClientPacker().pack(keyHex, text, out)) return kStatusWrongSession;
  return out;
}

std::string packed(const std::string& keyHex, const protocol::PipeWriter& record) {
  return packedRaw(keyHex, record.buffer());
}

std::string packedText(const std::string& keyHex, std::string_view text) {
  protocol::PipeWriter w;
  w.writeValue(text);
  return packed(keyHex, w);
}

std::string packedErrorRecord(const std::string& keyHex, std::string_view text, std::string_view code) {
  protocol::PipeWriter w;
  w.writeKey(text);
  w.writeValue(code);
  return packed(keyHex, w);
}

}  // namespace

struct RequestHandler::Impl {
  Impl(SessionStore& s, TranslateFn t, HandlerConfig c)
      : sessions(s, c.sessionRecheck), translate(std::move(t)), config(std::move(c)) {}
  SessionCache sessions;  // every look-up of a session goes through the cache
  TranslateFn translate;
  HandlerConfig config;
  std::mutex mutex;
  std::map<std::string, std::uint64_t> cancelGeneration;  // by session name

  std::uint64_t generation(const std::string& name) {
    std::lock_guard lock(mutex);
    auto it = cancelGeneration.find(name);
    return it == cancelGeneration.end() ? 0 : it->second;
  }
  void cancel(const std::string& name) {
    std::lock_guard lock(mutex);
    ++cancelGeneration[name];
  }
  void forget(const std::string& name) {
    std::lock_guard lock(mutex);
    cancelGeneration.erase(name);
  }
};

RequestHandler::RequestHandler(SessionStore& store, TranslateFn translate, HandlerConfig config)
    : impl_(std::make_unique<Impl>(store, std::move(translate), std::move(config))) {}

RequestHandler::~RequestHandler() = default;

std::string RequestHandler::handle(std::string_view body, std::string* logNote) {
  auto note = [&](const char* s) {
    if (logNote) *logNote = s;
  };
  auto form = parseRequestForm(body);
  if (!form) {
    note("no-form");
    return kStatusNoPostedData;
  }
  if (versionOlderThan(form->who, impl_->config.minimumVersion)) {
    note("old-client");
    return kStatusUpdateClient;
  }
  if (form->what.size() < kSessionNameLength) {
    note("bad-session");
    return kStatusWrongSession;
  }
  std::string name = form->what.substr(0, kSessionNameLength);
  std::string_view packedQuery = std::string_view(form->what).substr(kSessionNameLength);
  std::optional<Session> session;
  try {
    session = impl_->sessions.find(name);
  } catch (...) {
    note("store-error");
    return kStatusProcessing;
  }
  if (!session) {
    note("bad-session");
    return kStatusWrongSession;
  }
  const protocol::ClientPacker packer;
  const std::string keyHex = protocol::ClientPacker::toHex(session->key);
  std::string plain;
  if (!packer.unpack(keyHex, packedQuery, plain)) {
    note("bad-key");
    return kStatusWrongSession;
  }

  switch (requestKind(*form)) {
    case RequestKind::SessionEnd:
      // The client ends its session at every exit and starts the next one with the same
      // identifier from its settings file, so ending drops only what the session was doing;
      // the identifier stays valid until it expires. Its cached copy is dropped: the next
      // start reads it from the store again.
      impl_->forget(name);
      impl_->sessions.forget(name);
      note("sessionend");
      return packedRaw(keyHex, "");
    case RequestKind::Cancel:
      impl_->cancel(name);
      note("storno");
      return packedRaw(keyHex, "");
    case RequestKind::Query:
      break;
  }

  std::uint64_t startGeneration = impl_->generation(name);
  if (plain.empty()) {
    note("empty-query");
    return packedRaw(keyHex, "");
  }
  RecordFields record;
  if (!parseRecord(plain, record)) {
    note("wrong-query");
    return kStatusWrongQuery;
  }
  auto field = [&](std::string_view k) -> const std::string* {
    auto it = record.find(k);
    return it == record.end() ? nullptr : &it->second;
  };
  const std::string* dat = field(protocol::fields::kData);
  const std::string* act = field(protocol::fields::kAct);
  const std::string* lng = field(protocol::fields::kLanguage);
  if (!dat || !act || !lng) {
    note("wrong-query");
    return kStatusWrongQuery;
  }
  if (*act != protocol::fields::kApplication || *lng != protocol::fields::kLanguagePair) {
    note("unsupported");
    return kStatusUnsupportedService;
  }

  const std::string* usr = field(protocol::fields::kUser);
  const std::string* pass = field(protocol::fields::kPassword);
  if (usr || pass) {
    bool ok = false;
    try {
      ok = usr && pass && impl_->sessions.checkPassword(*session, *usr, *pass);
    } catch (...) {
    }
    if (!ok) {
      note("wrong-login");
      return packedErrorRecord(keyHex, "Wrong username or password.", "1011");
    }
  }

  TranslateResult result;
  try {
    result = impl_->translate(*dat);
  } catch (...) {
    note("translate-error");
    return kStatusProcessing;
  }
  if (impl_->generation(name) != startGeneration) {
    note("interrupted");
    return kStatusInterrupted;
  }
  if (result.code == 1) {
    // "NNNN text" becomes the error record "text|:NNNN|."
    std::size_t digits = 0;
    while (digits < result.text.size() && result.text[digits] >= '0' && result.text[digits] <= '9') ++digits;
    std::string code = result.text.substr(0, digits);
    std::string text = digits < result.text.size() ? result.text.substr(digits + 1) : std::string();
    note("error-record");
    return packedErrorRecord(keyHex, text, code);
  }
  note("ok");
  return packedText(keyHex, result.text);
}

std::size_t RequestHandler::cachedSessions() const { return impl_->sessions.size(); }

}  // namespace lexiton::server
