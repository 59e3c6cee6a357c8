// The fixture of the wine tests that run the real Lexiton.exe with real pointer input: a text
// window of the test's (hover_desktop.h), a data directory and files of its own for the program's
// settings, alerts, stand-ins' log, trace and opens, and the program started in a folder of its
// own with the real hook, text reader and hover dictionary and a chosen look-up library.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host_process.h"
#include "hover_desktop.h"

namespace lexiton::host::test {

// Clear of the screen's top-left corner, where wine shows the notification area without a desktop.
inline constexpr POINT kTextOrigin{10, 150};
// Nowhere: no window there but the desktop's.
inline constexpr POINT kNowhere{1000, 740};

std::vector<std::string> lines(const std::string& text);

class RealProgram : public ::testing::Test {
 protected:
  // The text window shows `text`; `password` makes it a password field.
  explicit RealProgram(const std::wstring& text, bool password = false)
      : textShown_(text),
        password_(password),
        text_(std::make_unique<TextWindow>(text, kTextOrigin, password)) {}

  void SetUp() override;
  void TearDown() override;

  std::string ini() const { return dataDirectory_ + "lexiton.ini"; }
  std::string iniValue(const std::string& key);
  std::string alerts() { return readText(alerts_); }
  std::string log() { return readText(log_); }
  std::vector<std::string> opens() { return lines(readText(opens_)); }
  std::size_t indexOf(const std::wstring& word) const { return text_->text().find(word); }

  // Starts the program with the real hook, reader and hover dictionary and the client `client`
  // ("LexitonSt.dll" itself or a stand-in) in a folder of its own, and waits until it runs.
  void start(const std::string& name, const std::string& client, const std::string& settings);

  // Rests the pointer on `word` of the text window; the time the pointer got there. A text window
  // whose thread got stuck in wine as the pointer came (TextWindow::responsive) is replaced, and
  // the pointer comes again.
  DWORD restOn(const std::wstring& word, int dx = 0);

  SIZE size(HWND window);
  // The size of the first tooltip for the stand-in's answer about `word`.
  SIZE expectedSize(const std::string& word);

  AppDataOverride appData_;
  std::string dataDirectory_, alerts_, log_, trace_, opens_;
  std::wstring textShown_;
  bool password_;
  std::unique_ptr<TextWindow> text_;
  std::unique_ptr<HostProcess> host_;
  std::optional<SubscriberRecord> record_;
  HWND display_ = nullptr;
  HWND second_ = nullptr;
  POINT pointer_{};
};

}  // namespace lexiton::host::test
