// The set-up every test of the real Lexiton.exe shares: a data directory of the test's own
// behind the "AppData" shell folder, the alerts and the stand-ins' log in files beside the
// test, and the helpers that write the settings file, read it back and start the program.
#pragma once

#include <gtest/gtest.h>

#include "host_process.h"
#include "tray/win/autorun_entry.h"

namespace lexiton::host::test {

class HostTestCase : public ::testing::Test {
 protected:
  void SetUp() override {
    dataFolder_ = binFolder() + "host_appdata\\";
    CreateDirectoryA(dataFolder_.c_str(), nullptr);
    appData_.set(binFolder() + "host_appdata");
    dataDirectory_ = dataFolder_ + "Veltrix\\Lexiton\\";
    CreateDirectoryA((dataFolder_ + "Veltrix").c_str(), nullptr);
    CreateDirectoryA(dataDirectory_.c_str(), nullptr);
    DeleteFileA(ini().c_str());
    alerts_ = binFolder() + "host_alerts.txt";
    log_ = binFolder() + "host_standins.log";
    DeleteFileA(alerts_.c_str());
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("LEXITON_ALERT_FILE", alerts_.c_str());
    SetEnvironmentVariableA("LEXITON_STANDIN_LOG", log_.c_str());
    SetEnvironmentVariableA("LEXITON_STANDIN_INITMODULE", nullptr);
    SetEnvironmentVariableA("LEXITON_STANDIN_KVINIT", nullptr);
    SetEnvironmentVariableA("LEXITON_STANDIN_KVEXIT", nullptr);
  }

  // A run with AutoRun on leaves the program among those Windows starts at logon; the test's
  // wine prefix must not start it at its next boot.
  void TearDown() override {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, kRunValue);
    RegCloseKey(key);
  }

  std::string ini() const { return dataDirectory_ + "lexiton.ini"; }
  void writeIni(const std::string& text) { writeText(ini(), text); }
  std::string iniValue(const std::string& section, const std::string& key, const std::string& path = {}) {
    char value[512] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value,
                             (path.empty() ? ini() : path).c_str());
    return value;
  }
  std::string alerts() { return readText(alerts_); }
  std::string log() { return readText(log_); }

  // Writes the settings file, starts the program and waits until it has published its record.
  std::optional<SubscriberRecord> startRunning(HostProcess& host, const std::string& settings,
                                               const std::string& arguments = "") {
    writeIni(settings);
    host.start(arguments);
    return host.waitForRecord();
  }

  // Starts the program, expects it to end by itself with one alert, and returns that alert.
  std::string runToAlert(HostProcess& host, const std::string& arguments = "") {
    host.start(arguments);
    const auto code = host.waitForExit();
    EXPECT_EQ(code, 0u);
    return alerts();
  }

  AppDataOverride appData_;
  std::string dataFolder_, dataDirectory_, alerts_, log_;
};

}  // namespace lexiton::host::test
