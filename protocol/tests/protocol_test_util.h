// What the protocol's end-to-end tests share: a settings file opened with the portable profile,
// and a loopback handler that plays the translation server with the test session key.
#pragma once

#include <atomic>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "lexiton/profile.h"
#include "lexiton/protocol/client_packer.h"
#include "lexiton/test/loopback_server.h"
#include "lexiton/test/test_session.h"

namespace lexiton::protocol::test {

using lexiton::test::kSessionKey;
using lexiton::test::kSessionName;
inline const std::string kSessionId = kSessionName + kSessionKey;

// A "lexiton.ini" of the given sections in the test's temp folder, removed afterwards.
class SettingsFile {
 public:
  using Sections = std::map<std::string, std::map<std::string, std::string>>;
  explicit SettingsFile(const Sections& sections) {
    // Unique across processes too: several work trees may run these tests at once.
    static const unsigned run = std::random_device{}();
    static std::atomic<int> serial{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = ::testing::TempDir() + "lexiton_" + std::to_string(run) + "_" + (info ? info->name() : "x") +
            "_" + std::to_string(++serial) + ".ini";
    std::ofstream file(path_, std::ios::binary);
    for (const auto& [section, keys] : sections) {
      file << "[" << section << "]\r\n";
      for (const auto& [key, value] : keys) file << key << "=" << value << "\r\n";
    }
    file.close();
    profile_ = lexiton::openPortableProfile(path_);
  }
  ~SettingsFile() { std::remove(path_.c_str()); }
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  lexiton::Profile& profile() { return *profile_; }
  std::string text() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::string path_;
  std::unique_ptr<lexiton::Profile> profile_;
};

// Settings for a connection to `serverUrl` with the test session and `timeoutSeconds`.
inline SettingsFile::Sections serverSettings(const std::string& serverUrl, int timeoutSeconds = 5,
                                             const std::string& sessionId = kSessionId) {
  return {{"Server Settings",
           {{"Server_Address", serverUrl},
            {"Server_Timeout", std::to_string(timeoutSeconds)},
            {"SessionID", sessionId}}},
          {"User Settings", {{"Name", "anna"}}}};
}

// The translation server's side of a query: the record unpacked from "what", and the clear
// reply `answer` gives packed with the session key. A record that does not unpack gets the
// server's 1708 status line.
inline lexiton::test::Handler translationServer(
    std::function<std::string(const std::string& record)> answer) {
  return [answer](const lexiton::test::Request& request) {
    const ClientPacker packer;
    const std::string what = request.param("what");
    std::string record, packed;
    if (what.size() < kSessionName.size() ||
        !packer.unpack(kSessionKey, what.substr(kSessionName.size()), record))
      return lexiton::test::Reply(200, "1708 Wrong or expired session identification submitted!");
    packer.pack(kSessionKey, answer(record), packed);
    return lexiton::test::Reply(200, packed);
  };
}

}  // namespace lexiton::protocol::test
