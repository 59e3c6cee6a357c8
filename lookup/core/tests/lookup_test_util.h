// Shared pieces of the look-up tests: a recording speech library and dialogs, an alert
// recorder, settings files, and reading a result list back.
#pragma once

#include <lexiton/alert.h>
#include <lexiton/chunk_list.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "lexiton/lookup/dialogs.h"
#include "lexiton/lookup/speech.h"
#include "lexiton/test/files.h"

namespace lexiton::test {

class RecordingSpeech final : public lookup::Speech {
 public:
  void reset() override { record("reset"); }
  void speak(std::string_view text, int language) override {
    record(std::to_string(language) + ":" + std::string(text));
  }
  std::vector<std::string> calls() const {
    std::lock_guard<std::mutex> guard(lock_);
    return calls_;
  }

 private:
  void record(std::string call) {
    std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back(std::move(call));
  }
  mutable std::mutex lock_;
  std::vector<std::string> calls_;
};

class RecordingDialogs final : public lookup::Dialogs {
 public:
  int upgradeChoice = 0;
  int upgrades = 0;
  int lastUpgradeLanguage = 0;
  void* lastOwner = nullptr;
  // What the proxy dialog "confirms": result 2 with these texts, or 1 when cancelled.
  bool confirmProxy = false;
  std::string proxyServer, proxyType, proxyCredentials;
  std::vector<std::string> proxyShown;  // the texts the dialog was opened with
  int destroyed = 0;

  int runUpgrade(int language, void* owner) override {
    ++upgrades;
    lastUpgradeLanguage = language;
    lastOwner = owner;
    return upgradeChoice;
  }
  int runProxy(int, void*, std::string& server, std::string& type, std::string& credentials) override {
    proxyShown = {server, type, credentials};
    if (!confirmProxy) return 1;
    server = proxyServer;
    type = proxyType;
    credentials = proxyCredentials;
    return 2;
  }
  void destroyAll() override { ++destroyed; }
};

// Records alerts while alive, so no test waits for a message box.
class AlertRecorder {
 public:
  AlertRecorder() { previous_ = setAlertHook(&AlertRecorder::hook, this); }
  ~AlertRecorder() { setAlertHook(previous_, nullptr); }
  std::vector<Alert> alerts() const {
    std::lock_guard<std::mutex> guard(lock_);
    return alerts_;
  }

 private:
  static void hook(const Alert& alert, void* context) {
    auto* self = static_cast<AlertRecorder*>(context);
    std::lock_guard<std::mutex> guard(self->lock_);
    self->alerts_.push_back(alert);
  }
  AlertHook previous_;
  mutable std::mutex lock_;
  std::vector<Alert> alerts_;
};

// `text` compressed the way the about-text file stores it.
inline std::string deflated(const std::string& text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
           static_cast<uLong>(text.size()));
  out.resize(size);
  return out;
}

// One chunk of a list file, written by hand: tag, little-endian length, data.
inline std::string chunk(const std::string& tag, const std::string& data) {
  std::string out = tag;
  const uint32_t n = static_cast<uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) out += static_cast<char>((n >> (8 * i)) & 0xFF);
  return out + data;
}

// The data of one chunk of a result list ("" when absent).
inline std::string chunkText(const uint8_t* data, std::size_t size, std::string_view tag) {
  auto chunk = ChunkView(data, size).find(tag);
  return chunk ? std::string(chunk->text()) : std::string();
}

// The "QXR1" documents split at the "-" between them.
inline std::vector<std::string> documents(const std::string& qxr) {
  std::vector<std::string> docs;
  std::size_t from = 0;
  while (from < qxr.size()) {
    std::size_t next = qxr.find("-{\\rtf1", from);
    if (next == std::string::npos) next = qxr.size();
    docs.push_back(qxr.substr(from, next - from));
    from = next + 1;
  }
  return docs;
}

}  // namespace lexiton::test
