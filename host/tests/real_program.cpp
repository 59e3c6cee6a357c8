#include "real_program.h"

#include <cstdio>
#include <sstream>

#include "tests/standins/client_standin_document.h"

namespace lexiton::host::test {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

void RealProgram::SetUp() {
  const std::string data = binFolder() + "hover_appdata\\";
  CreateDirectoryA(data.c_str(), nullptr);
  CreateDirectoryA((data + "Veltrix").c_str(), nullptr);
  dataDirectory_ = data + "Veltrix\\Lexiton\\";
  CreateDirectoryA(dataDirectory_.c_str(), nullptr);
  appData_.set(binFolder() + "hover_appdata");
  alerts_ = binFolder() + "hover_alerts.txt";
  log_ = binFolder() + "hover_standins.log";
  trace_ = binFolder() + "hover_trace.txt";
  opens_ = binFolder() + "hover_opens.txt";
  for (const std::string* file : {&alerts_, &log_, &trace_, &opens_}) DeleteFileA(file->c_str());
  DeleteFileA(ini().c_str());
  SetEnvironmentVariableA("LEXITON_ALERT_FILE", alerts_.c_str());
  SetEnvironmentVariableA("LEXITON_STANDIN_LOG", log_.c_str());
  SetEnvironmentVariableA("LEXITON_TRACE_FILE", trace_.c_str());
  SetEnvironmentVariableA("LEXITON_OPEN_FILE", opens_.c_str());
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_DELAYS", nullptr);
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_QUIT", nullptr);
  ASSERT_TRUE(movePointer(kNowhere));
}

void RealProgram::TearDown() {
  if (host_ && host_->running() && record_) host_->endSession(*record_);
  host_.reset();
  movePointer(kNowhere);
}

std::string RealProgram::iniValue(const std::string& key) {
  char value[512] = {};
  GetPrivateProfileStringA("dict", key.c_str(), "", value, sizeof value, ini().c_str());
  return value;
}

void RealProgram::start(const std::string& name, const std::string& client, const std::string& settings) {
  host_ = std::make_unique<HostProcess>(name);
  host_->place("ptrhook.dll", "ptrhook.dll");
  host_->place("textgrab.dll", "textgrab.dll");
  host_->place("dictcore.dll", "dictcore.dll");
  host_->place("lexiton-core.lex", "lexiton-core.lex");
  host_->place("LexitonSt.dll", client);
  // No splash: it would take the foreground from the text window for its 4.5 s.
  host_->place("win65K.spl", "");
  host_->place("win256.spl", "");
  writeText(ini(), "[dict]\nUserLang=2057\n" + settings);
  host_->start();
  record_ = host_->waitForRecord();
  ASSERT_TRUE(record_) << alerts();
  display_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record_->window));
  second_ = secondTooltipOf(record_->threadId, display_);
  ASSERT_NE(second_, nullptr);
}

DWORD RealProgram::restOn(const std::wstring& word, int dx) {
  constexpr int kWindows = 3;
  for (int window = 1;; ++window) {
    POINT at = text_->pointOn(indexOf(word));
    at.x += dx;
    const RECT edit = windowRect(text_->edit());
    EXPECT_TRUE(PtInRect(&edit, at)) << "the word is out of view: " << at.x << "," << at.y;
    EXPECT_TRUE(movePointer(at));
    pointer_ = at;
    const DWORD arrived = GetTickCount();
    // The program under test reads the window only once the pointer rested; a stuck window
    // would read as hung, and the test would fail for wine's sake.
    if (window == kWindows || text_->responsive(TextWindow::kStuckAfter)) return arrived;
    std::printf(
        "the text window's thread got stuck in wine as the pointer came; a new window takes its place\n");
    EXPECT_TRUE(movePointer(kNowhere));
    text_.reset();
    text_ = std::make_unique<TextWindow>(textShown_, kTextOrigin, password_);
  }
}

SIZE RealProgram::size(HWND window) {
  const RECT r = windowRect(window);
  return {r.right - r.left, r.bottom - r.top};
}

SIZE RealProgram::expectedSize(const std::string& word) {
  return paintedSize(binFolder() + "mtippaint.dll", lexiton::standin::scriptedDocument(word), word);
}

}  // namespace lexiton::host::test
