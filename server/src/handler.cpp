// Request handling: status lines for requests that cannot be answered in a packed reply,
// packed replies (translation or error record) for everything else.
#include "lexiton/server/handler.h"

#include "lexiton/server/request_form.h"
#include "lexiton/server/session_store.h"

#include <cryptopp/aes.h>
#include <cryptopp/crc.h>
#include <cryptopp/hex.h>
#include <cryptopp/modes.h>

#include <atomic>
#include <map>
#include <mutex>
#include <vector>

namespace lexiton::server {
namespace {

constexpr std::size_t kBlock = 16;
constexpr std::size_t kMaxRecordTokens = 64;

std::uint32_t crc32Of(const std::string& text) {
    CryptoPP::CRC32 crc;
    crc.Update(reinterpret_cast<const CryptoPP::byte*>(text.data()), text.size());
    CryptoPP::byte digest[4];
    crc.Final(digest);  // Crypto++ yields the CRC least significant byte first
    return static_cast<std::uint32_t>(digest[0]) | (static_cast<std::uint32_t>(digest[1]) << 8) |
           (static_cast<std::uint32_t>(digest[2]) << 16) | (static_cast<std::uint32_t>(digest[3]) << 24);
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Tokens of a pipe record: text plus the terminator kind ('.', ';', ':').
struct Token {
    std::string text;
    char kind;
};

bool tokenize(const std::string& record, std::vector<Token>& out) {
    std::string cur;
    for (std::size_t i = 0; i < record.size(); ++i) {
        char c = record[i];
        if (c != '|') { cur += c; continue; }
        if (i + 1 >= record.size()) return false;
        char n = record[++i];
        if (n == '|') { cur += '|'; continue; }
        if (n != '.' && n != ';' && n != ':') return false;
        if (out.size() >= kMaxRecordTokens) return false;
        out.push_back({std::move(cur), n});
        cur.clear();
    }
    return cur.empty();
}

std::string escapePipes(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '|') out += '|';
    }
    return out;
}

struct QueryRecord {
    std::map<std::string, std::string> fields;
};

// Keys followed by one value token each; a record is empty or has every required key.
bool parseRecord(const std::string& record, QueryRecord& q) {
    std::vector<Token> tokens;
    if (!tokenize(record, tokens)) return false;
    if (tokens.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < tokens.size(); i += 2) {
        if (tokens[i].kind != ':' || tokens[i + 1].kind == ':') return false;
        if (!q.fields.emplace(tokens[i].text, tokens[i + 1].text).second) return false;
    }
    return true;
}

}  // namespace

std::string packHex(const std::string& key, const std::string& text) {
    std::uint32_t crc = crc32Of(text);
    std::string block;
    for (int i = 0; i < 4; ++i) block += static_cast<char>((crc >> (8 * i)) & 0xFF);
    block += text;
    block += '|';
    if (block.size() % kBlock) block.append(kBlock - block.size() % kBlock, ' ');
    CryptoPP::ECB_Mode<CryptoPP::AES>::Encryption enc(reinterpret_cast<const CryptoPP::byte*>(key.data()),
                                                      key.size());
    std::string cipher(block.size(), '\0');
    enc.ProcessData(reinterpret_cast<CryptoPP::byte*>(cipher.data()),
                    reinterpret_cast<const CryptoPP::byte*>(block.data()), block.size());
    std::string out;
    CryptoPP::StringSource(cipher, true, new CryptoPP::HexEncoder(new CryptoPP::StringSink(out), true));
    return out;
}

bool unpackHex(const std::string& key, std::string_view packedHex, std::string& out) {
    if (key.size() != 16 && key.size() != 24 && key.size() != 32) return false;
    for (char c : packedHex)
        if (!isHexDigit(c)) return false;
    std::string bytes;
    CryptoPP::StringSource(std::string(packedHex.substr(0, packedHex.size() & ~std::size_t{1})), true,
                           new CryptoPP::HexDecoder(new CryptoPP::StringSink(bytes)));
    bytes.resize(bytes.size() - bytes.size() % kBlock);
    if (bytes.empty()) return false;
    CryptoPP::ECB_Mode<CryptoPP::AES>::Decryption dec(reinterpret_cast<const CryptoPP::byte*>(key.data()),
                                                      key.size());
    std::string plain(bytes.size(), '\0');
    dec.ProcessData(reinterpret_cast<CryptoPP::byte*>(plain.data()),
                    reinterpret_cast<const CryptoPP::byte*>(bytes.data()), bytes.size());
    std::size_t last = plain.find_last_not_of(' ');
    if (last != std::string::npos && plain[last] == '|') plain.resize(last);
    if (plain.size() < 4) return false;
    std::uint32_t stored = static_cast<std::uint8_t>(plain[0]) | (static_cast<std::uint8_t>(plain[1]) << 8) |
                           (static_cast<std::uint8_t>(plain[2]) << 16) |
                           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(plain[3])) << 24);
    std::string text = plain.substr(4);
    if (crc32Of(text) != stored) return false;
    out = std::move(text);
    return true;
}

struct RequestHandler::Impl {
    Impl(SessionStore& s, TranslateFn t, HandlerConfig c)
        : store(s), translate(std::move(t)), config(std::move(c)) {}
    SessionStore& store;
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
    auto note = [&](const char* s) { if (logNote) *logNote = s; };
    auto form = parseRequestForm(body);
    if (!form) { note("no-form"); return kStatusNoPostedData; }
    if (versionOlderThan(form->who, impl_->config.minimumVersion)) { note("old-client"); return kStatusUpdateClient; }
    if (form->what.size() < kSessionNameLength) { note("bad-session"); return kStatusWrongSession; }
    std::string name = form->what.substr(0, kSessionNameLength);
    std::string_view packed = std::string_view(form->what).substr(kSessionNameLength);
    std::optional<Session> session;
    try {
        session = impl_->store.findSession(name);
    } catch (...) {
        note("store-error");
        return kStatusProcessing;
    }
    if (!session) { note("bad-session"); return kStatusWrongSession; }
    std::string plain;
    if (!unpackHex(session->key, packed, plain)) { note("bad-key"); return kStatusWrongSession; }

    switch (requestKind(*form)) {
    case RequestKind::SessionEnd:
        try { impl_->store.endSession(name); } catch (...) {}
        impl_->forget(name);
        note("sessionend");
        return packHex(session->key, "");
    case RequestKind::Cancel:
        impl_->cancel(name);
        note("storno");
        return packHex(session->key, "");
    case RequestKind::Query:
        break;
    }

    std::uint64_t startGeneration = impl_->generation(name);
    if (plain.empty()) { note("empty-query"); return packHex(session->key, ""); }
    QueryRecord record;
    if (!parseRecord(plain, record)) { note("wrong-query"); return kStatusWrongQuery; }
    auto field = [&](const char* k) -> const std::string* {
        auto it = record.fields.find(k);
        return it == record.fields.end() ? nullptr : &it->second;
    };
    const std::string* dat = field("dat");
    const std::string* act = field("act");
    const std::string* lng = field("lng");
    if (!dat || !act || !lng) { note("wrong-query"); return kStatusWrongQuery; }
    if (*act != "lexiton" || *lng != "En-Hu") { note("unsupported"); return kStatusUnsupportedService; }

    const std::string* usr = field("usr");
    const std::string* pass = field("pass");
    if (usr || pass) {
        bool ok = false;
        try {
            ok = usr && pass && *usr == session->user && impl_->store.checkPassword(*usr, *pass);
        } catch (...) {}
        if (!ok) {
            note("wrong-login");
            return packHex(session->key, "Wrong username or password.|:1011|.");
        }
    }

    TranslateResult result;
    try {
        result = impl_->translate(*dat);
    } catch (...) {
        note("translate-error");
        return kStatusProcessing;
    }
    if (impl_->generation(name) != startGeneration) { note("interrupted"); return kStatusInterrupted; }
    if (result.code == 1) {
        // "NNNN text" becomes the error record "text|:NNNN|."
        std::size_t digits = 0;
        while (digits < result.text.size() && result.text[digits] >= '0' && result.text[digits] <= '9') ++digits;
        std::string code = result.text.substr(0, digits);
        std::string text = digits < result.text.size() ? result.text.substr(digits + 1) : std::string();
        note("error-record");
        return packHex(session->key, escapePipes(text) + "|:" + code + "|.");
    }
    note("ok");
    return packHex(session->key, escapePipes(result.text) + "|.");
}

}  // namespace lexiton::server
