// "textgrab.dll" loaded by file name, reading the controls of another process (textgrab_target)
// at points that process measured itself, and each reading method asked alone where the order
// of methods would hide it.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <lexiton/companion_exports.h>
#include <lexiton/library.h>
#include <lexiton/text_encoding.h>

#include "win/accessibility_reader.h"
#include "win/automation_reader.h"
#include "win/com_objects.h"
#include "win/remote_process.h"

namespace {

using namespace std::chrono_literals;

std::string binFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// One textgrab_target process: its text, and the screen point of each asked character.
class Target {
 public:
  Target(const std::string& kind, const std::vector<int>& indices) {
    report_ = binFolder() + "textgrab_target_" + kind + ".txt";
    DeleteFileA(report_.c_str());
    std::string line = "\"" + binFolder() + "textgrab_target.exe\" " + kind + " \"" + report_ + "\"";
    for (int index : indices) line += " " + std::to_string(index);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
      return;
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < end && !readReport()) std::this_thread::sleep_for(50ms);
  }
  ~Target() {
    if (info_.hProcess) {
      TerminateProcess(info_.hProcess, 0);
      WaitForSingleObject(info_.hProcess, 5000);
      CloseHandle(info_.hProcess);
      CloseHandle(info_.hThread);
    }
  }
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;

  bool ready() const { return ready_; }
  const std::u16string& text() const { return text_; }
  POINT at(int index) const { return points_.at(index); }
  HANDLE thread() const { return info_.hThread; }

 private:
  bool readReport() {
    std::ifstream in(report_, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (all.size() < 7 || all.compare(all.size() - 6, 6, "ready\n") != 0) return false;
    std::istringstream lines(all);
    std::string first;
    std::getline(lines, first);
    for (std::size_t at = 0; (at = first.find('\\', at)) != std::string::npos; ++at)
      first.replace(at, 2, first[at + 1] == 'r' ? "\r" : "\n");
    text_ = lexiton::utf8ToUtf16(first);
    int index;
    long x, y;
    while (lines >> index >> x >> y) points_[index] = POINT{x, y};
    ready_ = true;
    return true;
  }

  std::string report_;
  PROCESS_INFORMATION info_{};
  bool ready_ = false;
  std::u16string text_;
  std::map<int, POINT> points_;
};

struct Result {
  bool found = false;
  std::u16string text;
  int cursor = -1;
  std::string source;
};

class TextReader : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = lexiton::Library("textgrab.dll");
    ASSERT_TRUE(library_) << library_.error();
    ie_ = library_.bind<GetIE4WExFn>("GetIE4W_Ex");
    word_ = library_.bind<GetMWord9WExFn>("GetMWord9W_Ex");
    tidy_ = library_.bind<MakeTidyFn>("MakeTidy");
    ASSERT_TRUE(ie_ && word_ && tidy_);
  }

  Result read(POINT at) {
    std::vector<uint16_t> buffer(10000, 0);
    std::vector<char> source(1048, 0);
    Result r;
    r.cursor = 0;
    r.found = ie_(at.x, at.y, 5, buffer.data(), 10000, &r.cursor, source.data(), 1048) != 0;
    r.text = reinterpret_cast<const char16_t*>(buffer.data());
    r.source = source.data();
    return r;
  }

  // The paragraph of `text` that holds `index`, as the reader should return it.
  static std::u16string paragraphOf(const std::u16string& text, std::size_t index) {
    std::size_t begin = text.find_last_of(u"\r\n", index);
    begin = begin == std::u16string::npos ? 0 : begin + 1;
    std::size_t end = text.find_first_of(u"\r\n", index);
    return text.substr(begin, end == std::u16string::npos ? std::u16string::npos : end - begin);
  }

  void expectExactCharacters(const std::string& kind) {
    // Characters of the first, second and last paragraph (after an empty line): rich edit counts
    // each CR LF once, so the later ones check the mapping of its indices.
    const std::vector<int> indices = {0, 6, 31, 45, 70, 95, 101};
    Target target(kind, indices);
    ASSERT_TRUE(target.ready());
    for (int index : indices) {
      const Result r = read(target.at(index));
      ASSERT_TRUE(r.found) << kind << " index " << index;
      EXPECT_EQ(r.source, "textgrab_target.exe");
      EXPECT_EQ(lexiton::utf16ToUtf8(r.text), lexiton::utf16ToUtf8(paragraphOf(target.text(), index)))
          << kind << " index " << index;
      ASSERT_GE(r.cursor, 0);
      ASSERT_LT(static_cast<std::size_t>(r.cursor), r.text.size());
      // The very character under the point.
      const std::size_t begin = target.text().find(r.text);
      EXPECT_EQ(begin + r.cursor, static_cast<std::size_t>(index)) << kind << " index " << index;
    }
  }

  lexiton::Library library_;
  GetIE4WExFn ie_ = nullptr;
  GetMWord9WExFn word_ = nullptr;
  MakeTidyFn tidy_ = nullptr;
};

TEST_F(TextReader, TheCharacterUnderThePointInAnotherProcesssEdit) { expectExactCharacters("edit"); }

TEST_F(TextReader, TheCharacterUnderThePointInAnotherProcesssRichEdit) { expectExactCharacters("richedit"); }

// Wine's own notepad (an Edit) and wordpad (a RichEdit20W) with a file of known text: the
// points come from EM_POSFROMCHAR asked across the process, as the reader asks.
class WineProgram {
 public:
  WineProgram(const std::string& program, const std::string& text) {
    file_ = binFolder() + "textgrab_program.txt";
    std::ofstream(file_, std::ios::binary) << text;
    std::string line = program + " \"" + file_ + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
      info_ = PROCESS_INFORMATION{};
  }
  ~WineProgram() {
    if (info_.hProcess) {
      TerminateProcess(info_.hProcess, 0);
      WaitForSingleObject(info_.hProcess, 5000);
      CloseHandle(info_.hProcess);
      CloseHandle(info_.hThread);
    }
  }
  // The first child of class `control` in a top-level window of class `frame` of this process,
  // once it holds the text.
  HWND control(const wchar_t* frame, const wchar_t* control, std::size_t length) const {
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < end) {
      for (HWND top = FindWindowW(frame, nullptr); top; top = FindWindowExW(nullptr, top, frame, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(top, &process);
        if (process != info_.dwProcessId) continue;
        HWND child = FindWindowExW(top, nullptr, control, nullptr);
        DWORD_PTR have = 0;
        if (child && SendMessageTimeoutW(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &have) &&
            have >= length)
          return child;
      }
      std::this_thread::sleep_for(100ms);
    }
    return nullptr;
  }

 private:
  std::string file_;
  PROCESS_INFORMATION info_{};
};

const std::string kProgramText =
    "A first line of the file.\r\nThe reader finds this word here. Then it stops.\r\nLast line.";

TEST_F(TextReader, WinesNotepad) {
  WineProgram notepad("notepad.exe", kProgramText);
  HWND edit = notepad.control(L"Notepad", L"Edit", kProgramText.size());
  ASSERT_TRUE(edit);
  const int index = static_cast<int>(kProgramText.find("word"));
  DWORD_PTR where = 0;
  ASSERT_TRUE(SendMessageTimeoutW(edit, EM_POSFROMCHAR, index, 0, SMTO_ABORTIFHUNG, 1000, &where));
  POINT at{static_cast<short>(LOWORD(where)) + 1, static_cast<short>(HIWORD(where)) + 6};
  ClientToScreen(edit, &at);
  const Result r = read(at);
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.source, "notepad.exe");
  EXPECT_EQ(r.text, u"The reader finds this word here. Then it stops.");
  EXPECT_EQ(r.text.substr(r.cursor, 4), u"word");
}

TEST_F(TextReader, WinesWordpad) {
  WineProgram wordpad("\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"", kProgramText);
  // Rich edit counts each line break once.
  HWND rich = wordpad.control(L"WORDPADTOP", L"RichEdit20W", kProgramText.size() - 2);
  ASSERT_TRUE(rich);
  const int index = static_cast<int>(kProgramText.find("word")) - 1;  // one CR LF before it
  DWORD processId = 0;
  GetWindowThreadProcessId(rich, &processId);
  lexiton::textgrab::win::ProcessHandle process(processId,
                                                PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE);
  ASSERT_TRUE(process);
  lexiton::textgrab::win::RemoteMemory point(process.get(), sizeof(POINTL));
  ASSERT_TRUE(point);
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(SendMessageTimeoutW(rich, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(point.address()), index,
                                  SMTO_ABORTIFHUNG, 1000, &ignored));
  POINTL where{};
  ASSERT_TRUE(point.read(&where, sizeof where));
  POINT at{where.x + 1, where.y + 6};
  ClientToScreen(rich, &at);
  const Result r = read(at);
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.source, "wordpad.exe");
  EXPECT_EQ(r.text, u"The reader finds this word here. Then it stops.");
  EXPECT_EQ(r.text.substr(r.cursor, 4), u"word");
}

TEST_F(TextReader, ALongParagraphIsCutAroundTheCursorKeepingItsSentence) {
  const std::u16string marked = u"The marked sentence holds the zebra.";
  const int index = 800 * 24 + 30;  // the 'z' of "zebra"
  Target target("long", {index});
  ASSERT_TRUE(target.ready());
  ASSERT_EQ(target.text().substr(index, 5), u"zebra");
  const Result r = read(target.at(index));
  ASSERT_TRUE(r.found);
  EXPECT_LE(r.text.size(), 9999u);
  EXPECT_GT(r.text.size(), 9000u);
  EXPECT_NE(r.text.find(marked), std::u16string::npos);
  ASSERT_LT(static_cast<std::size_t>(r.cursor), r.text.size());
  EXPECT_EQ(r.text.substr(r.cursor, 5), u"zebra");
}

TEST_F(TextReader, AWindowWhoseThreadIsStoppedCostsABoundedWait) {
  Target target("edit", {6});
  ASSERT_TRUE(target.ready());
  ASSERT_NE(SuspendThread(target.thread()), static_cast<DWORD>(-1));
  const auto start = std::chrono::steady_clock::now();
  const Result r = read(target.at(6));
  const auto spent = std::chrono::steady_clock::now() - start;
  ResumeThread(target.thread());
  EXPECT_FALSE(r.found);
  // One bounded message (a quarter of a second) with room for a slow machine.
  EXPECT_LT(spent, 3s);
  // Awake again, it answers.
  EXPECT_TRUE(read(target.at(6)).found);
}

TEST_F(TextReader, NoDocumentOverAPlainWindowAndNothingOverItsBareArea) {
  Target target("edit", {6});
  ASSERT_TRUE(target.ready());
  std::vector<uint16_t> buffer(10000, 0);
  int cursor = 0;
  // Inside the control (a standard Edit is not a word processor's document) and beside it.
  EXPECT_EQ(word_(target.at(6).x, target.at(6).y, 5, buffer.data(), 10000, &cursor), 0);
  EXPECT_EQ(word_(800, 300, 5, buffer.data(), 10000, &cursor), 0);
  EXPECT_EQ(buffer[0], 0);
  // The frame's bare area: its title is no text to look up.
  EXPECT_FALSE(read(POINT{800, 300}).found);
}

TEST_F(TextReader, TheCallersOwnWindowsAreNeverRead) {
  HWND own = CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"own tooltip text", WS_POPUP | WS_VISIBLE, 100, 100,
                             300, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(own);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  ASSERT_EQ(WindowFromPoint(POINT{150, 130}), own);
  EXPECT_FALSE(read(POINT{150, 130}).found);
  DestroyWindow(own);
}

// Wine answers accessibility over an Edit (value) and a rich edit (name) with the whole text
// and no position: a short label is taken whole, a longer text is refused.
TEST_F(TextReader, AccessibilityGivesShortLabelsWholeAndRefusesLongerTexts) {
  lexiton::textgrab::win::ComApartment apartment;
  for (const char* kind : {"edit", "richedit"}) {
    Target target(kind, {6});
    ASSERT_TRUE(target.ready());
    EXPECT_FALSE(lexiton::textgrab::win::readAccessible(target.at(6))) << kind;
  }
  for (const auto& [kind, label] :
       {std::pair{"label-edit", u"Save as"}, std::pair{"label-richedit", u"Open file"}}) {
    Target target(kind, {2});
    ASSERT_TRUE(target.ready());
    const auto text = lexiton::textgrab::win::readAccessible(target.at(2));
    ASSERT_TRUE(text) << kind;
    EXPECT_EQ(text->text, label);
    EXPECT_EQ(text->cursor, 0u);
  }
}

// A password field is read by no method, though accessibility would hand out a short text whole.
TEST_F(TextReader, APasswordFieldIsNeverRead) {
  Target target("password", {1, 8});
  ASSERT_TRUE(target.ready());
  for (int index : {1, 8}) {
    const Result r = read(target.at(index));
    EXPECT_FALSE(r.found) << index;
    EXPECT_EQ(r.text, u"") << index;
  }
  lexiton::textgrab::win::ComApartment apartment;
  EXPECT_FALSE(lexiton::textgrab::win::readAccessible(target.at(1)));
}

// A control whose accessibility object gives its text as its value is read, unless the object
// says the text is protected, as a browser's password field does.
TEST_F(TextReader, AProtectedAccessibleTextIsNeverRead) {
  {
    Target open("accessible", {1});
    ASSERT_TRUE(open.ready());
    const Result r = read(open.at(1));
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.text, u"hunter two");
  }
  Target hidden("accessible-protected", {1});
  ASSERT_TRUE(hidden.ready());
  const Result r = read(hidden.at(1));
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.text, u"");
}

// Wine has no UI Automation client: the class is not registered, and asking must neither crash
// nor start the debugger; the reader goes on to the next method.
TEST_F(TextReader, WithoutUiAutomationTheReaderFallsBack) {
  lexiton::textgrab::win::ComApartment apartment;
  EXPECT_FALSE(lexiton::textgrab::win::automationAvailable());
  Target target("label-edit", {2});
  ASSERT_TRUE(target.ready());
  EXPECT_FALSE(lexiton::textgrab::win::readAutomation(target.at(2)));
}

TEST_F(TextReader, TidyTurnsThePendingTextIntoTheBuffer) {
  const std::u16string pending = u"  two   words\t";
  const LxWideString wide{reinterpret_cast<const uint16_t*>(pending.data()),
                          static_cast<uint32_t>(pending.size())};
  std::vector<uint16_t> buffer(10000, 0);
  int cursor = 8;  // the 'w' of "words"
  ASSERT_EQ(tidy_(&wide, buffer.data(), 10000, &cursor), 1);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer.data())), u"two words");
  EXPECT_EQ(cursor, 4);
  const LxWideString empty{nullptr, 0};
  cursor = 0;
  EXPECT_EQ(tidy_(&empty, buffer.data(), 10000, &cursor), 0);
}

}  // namespace
