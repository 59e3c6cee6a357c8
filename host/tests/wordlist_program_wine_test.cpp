// The user's word list in the real Lexiton.exe under wine on Xvfb, with the real hook, text
// reader and hover dictionary over a text window of the test: every shown look-up becomes a row
// with its word and sentence, "Keep a word list" off keeps nothing, a password field gives
// nothing, the window opens from the menu's command and lists the words, clearing asks first,
// the end of the session writes and closes the list, and a file that is not a word list is moved
// aside with one alert. Questions and alerts go to files; nothing waits for a person.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>
#include <lexiton/ui_resources.h>

#include <algorithm>
#include <map>

#include "real_program.h"
#include "wordlist/word_export.h"
#include "wordlist/word_list_store.h"

namespace lexiton::host::test {
namespace {

using namespace std::chrono_literals;

const std::wstring kSentences = L"The houses are big. He gave up smoking last year. The gardens are green.";

std::size_t countOf(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The text of a list view's cell in another process: the item record and its text buffer are
// placed in that process, since list-view messages carry their pointers as they are.
std::string remoteCell(HWND list, DWORD processId, int row, int column) {
  constexpr int kChars = 512;
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return "?";
  const SIZE_T bytes = sizeof(LVITEMW) + kChars * sizeof(wchar_t);
  auto* remote = static_cast<uint8_t*>(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
  std::string out = "?";
  if (remote) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    item.cchTextMax = kChars;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(remote),
                        SMTO_ABORTIFHUNG, 5000, &length);
    wchar_t text[kChars] = {};
    ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof text - sizeof(wchar_t), nullptr);
    char narrow[kChars * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    out = narrow;
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return out;
}

class WordListProgram : public RealProgram {
 protected:
  explicit WordListProgram(bool password = false) : RealProgram(kSentences, password) {}

  void SetUp() override {
    RealProgram::SetUp();
    for (const char* suffix : {"", "-wal", "-shm"}) DeleteFileA((database() + suffix).c_str());
    SetEnvironmentVariableA("LEXITON_QUESTION_ANSWERS", nullptr);
  }

  std::string database() const { return dataDirectory_ + "lexidic.db"; }

  // Rests on `word` until the look-up's tooltip was shown (the trace's line says so).
  void lookUp(const std::wstring& word) {
    const std::size_t before = countOf(readText(trace_), " shown ");
    restOn(word);
    ASSERT_TRUE(pollUntil([&] { return countOf(readText(trace_), " shown ") > before; }, 20000ms))
        << alerts() << readText(trace_);
  }

  void command(int id) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(host_->mainWindow(*record_), WM_COMMAND, id, 0, SMTO_ABORTIFHUNG, 20000, &answer);
  }

  // The rows the program has written so far; 0 while its file cannot be read.
  std::size_t storedRows() {
    try {
      return WordListStore::openExisting(database(), SqliteConnection::Mode::readOnly)->words().size();
    } catch (const std::exception&) {
      return 0;
    }
  }

  // Ends the program's session and reads its word list back: the latest look-up of each word, by
  // word.
  std::map<std::string, WordListEntry> wordsAfterTheEnd(int64_t* lookups = nullptr) {
    if (host_ && host_->running()) {
      EXPECT_TRUE(host_->endSession(*record_));
    }
    std::map<std::string, WordListEntry> words;
    auto store = WordListStore::openExisting(database(), SqliteConnection::Mode::readOnly);
    for (const WordRow& row : store->words()) words[row.latest.word] = row.latest;
    if (lookups) *lookups = store->lookupCount();
    return words;
  }
};

TEST_F(WordListProgram, ThreeLookUpsGiveThreeRowsWithTheirWordsAndSentences) {
  ASSERT_NO_FATAL_FAILURE(start("wordlist_three", "LexitonSt.dll", "HVRDicts=1\n"));
  for (const wchar_t* word : {L"houses", L"smoking", L"gardens"}) ASSERT_NO_FATAL_FAILURE(lookUp(word));
  // (the last one is kept once the hover dictionary has answered, after its tooltip was shown;
  // ending the session before that closes the list without it)
  ASSERT_TRUE(pollUntil([&] { return storedRows() == 3; }, 20000ms)) << storedRows() << " rows";
  int64_t lookups = 0;
  const auto words = wordsAfterTheEnd(&lookups);
  EXPECT_EQ(lookups, 3);
  ASSERT_EQ(words.size(), 3u);
  const WordListEntry& houses = words.at("houses");
  EXPECT_EQ(houses.sentence, "The houses are big.");
  EXPECT_EQ(houses.wordOffset, 4);
  EXPECT_EQ(houses.dictionaryForm, "house");
  EXPECT_FALSE(houses.hungarian.empty());
  EXPECT_FALSE(houses.translation.empty());
  EXPECT_FALSE(houses.program.empty());
  EXPECT_EQ(words.at("smoking").sentence, "He gave up smoking last year.");
  EXPECT_EQ(words.at("gardens").sentence, "The gardens are green.");
  EXPECT_EQ(words.at("gardens").dictionaryForm, "garden");
  std::printf("houses: %s | %s | %s | %s\n", houses.hungarian.c_str(), houses.senses.c_str(),
              houses.translation.c_str(), houses.program.c_str());
  EXPECT_EQ(alerts(), "");
}

TEST_F(WordListProgram, WithKeepAWordListOffNothingIsKeptUntilItsCommandTurnsItOn) {
  ASSERT_NO_FATAL_FAILURE(start("wordlist_keep_off", "standin_client.dll", "KeepWordList=0\n"));
  ASSERT_NO_FATAL_FAILURE(lookUp(L"houses"));
  ASSERT_NO_FATAL_FAILURE(lookUp(L"smoking"));
  command(LXR_COMMAND_KEEP_WORDLIST);
  EXPECT_EQ(iniValue("KeepWordList"), "1");
  ASSERT_NO_FATAL_FAILURE(lookUp(L"gardens"));
  command(LXR_COMMAND_KEEP_WORDLIST);
  EXPECT_EQ(iniValue("KeepWordList"), "0");
  ASSERT_NO_FATAL_FAILURE(lookUp(L"houses"));
  int64_t lookups = 0;
  const auto words = wordsAfterTheEnd(&lookups);
  EXPECT_EQ(lookups, 1);
  EXPECT_EQ(words.count("gardens"), 1u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(WordListProgram, TheWindowOpensFromTheMenuCommandAndListsTheWords) {
  ASSERT_NO_FATAL_FAILURE(start("wordlist_window", "standin_client.dll", ""));
  for (const wchar_t* word : {L"houses", L"smoking", L"gardens"}) ASSERT_NO_FATAL_FAILURE(lookUp(word));
  command(LXR_COMMAND_WORDLIST);
  HWND window = waitForWindowOf(host_->processId(), "#32770", "Word list");
  ASSERT_TRUE(window);
  // An ordinary top-level window with a taskbar button.
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  HWND list = GetDlgItem(window, LXR_CONTROL_WORDLIST_LIST);
  ASSERT_TRUE(list);
  ASSERT_TRUE(pollUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3; }, 10000ms));
  std::vector<std::string> words, sentences;
  for (int row = 0; row < 3; ++row) {
    words.push_back(remoteCell(list, host_->processId(), row, 0));
    sentences.push_back(remoteCell(list, host_->processId(), row, 4));
  }
  std::sort(words.begin(), words.end());
  std::sort(sentences.begin(), sentences.end());
  EXPECT_EQ(words, (std::vector<std::string>{"gardens", "houses", "smoking"}));
  EXPECT_EQ(sentences, (std::vector<std::string>{"He gave up smoking last year.", "The gardens are green.",
                                                 "The houses are big."}));
  screenshot("wordlist_window");
  // The command again brings the same window; the end of the session closes it.
  command(LXR_COMMAND_WORDLIST);
  EXPECT_EQ(findWindowOf(host_->processId(), "#32770", "Word list"), window);
  EXPECT_TRUE(host_->endSession(*record_));
  EXPECT_EQ(alerts(), "");
}

std::string environment(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

// Presses an export button of the program's word-list window and answers its save dialog with
// `file`, as a user would; whether the dialog came and went.
bool exportThroughTheWindow(HWND window, int button, const std::string& file) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(window, button)));
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HWND dialog = waitForWindowOf(processId, "#32770", "Export the word list");
  if (!dialog) return false;
  // The file name box: the combo box of the Explorer-style dialog, or the edit box of the old one.
  constexpr int kFileNameCombo = 0x47C;
  constexpr int kFileNameEdit = 0x480;
  for (int box : {kFileNameCombo, kFileNameEdit})
    if (HWND control = GetDlgItem(dialog, box)) SetWindowTextA(control, file.c_str());
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer);
  return pollUntil([&] { return !IsWindow(dialog) && fileExists(file); }, 10000ms);
}

// With LEXITON_WORDLIST_EXPORT_DIR set, the exports and the list they came from are left there
// (program.csv, program.tsv, program.db) for wordlist_export_e2e.sh, which compares them with
// the native command-line exporter's.
TEST_F(WordListProgram, TheWindowsExportsAreWhatTheExportCodeWritesForTheSameList) {
  ASSERT_NO_FATAL_FAILURE(start("wordlist_export", "standin_client.dll", "HVRDicts=1\n"));
  for (const wchar_t* word : {L"houses", L"smoking", L"gardens"}) ASSERT_NO_FATAL_FAILURE(lookUp(word));
  // A shown look-up is written once the hover dictionary's answer has come too: the window reads
  // the list when all three are in it (on a loaded machine the last answer came after it opened).
  ASSERT_TRUE(pollUntil([&] { return storedRows() == 3; }, 20000ms)) << storedRows() << " rows";
  command(LXR_COMMAND_WORDLIST);
  HWND window = waitForWindowOf(host_->processId(), "#32770", "Word list");
  ASSERT_TRUE(window);
  const std::string kept = environment("LEXITON_WORDLIST_EXPORT_DIR");
  const std::string folder = kept.empty() ? binFolder() : kept + "\\";
  const std::string csv = folder + "program.csv", tsv = folder + "program.tsv";
  DeleteFileA(csv.c_str());
  DeleteFileA(tsv.c_str());
  ASSERT_TRUE(exportThroughTheWindow(window, LXR_CONTROL_WORDLIST_EXPORT_CSV, csv)) << alerts();
  ASSERT_TRUE(exportThroughTheWindow(window, LXR_CONTROL_WORDLIST_EXPORT_CARDS, tsv)) << alerts();
  ASSERT_TRUE(host_->endSession(*record_));
  const std::vector<WordRow> rows =
      WordListStore::openExisting(database(), SqliteConnection::Mode::readOnly)->words();
  EXPECT_EQ(rows.size(), 3u);
  for (const auto& [file, format] :
       {std::pair{csv, ExportFormat::csv}, std::pair{tsv, ExportFormat::flashCards}}) {
    std::string expected;
    appendExport(expected, rows, format);
    EXPECT_EQ(readText(file), expected) << file;
  }
  if (!kept.empty()) CopyFileA(database().c_str(), (folder + "program.db").c_str(), FALSE);
  EXPECT_EQ(alerts(), "");
}

TEST_F(WordListProgram, ClearingAsksFirstAndEmptiesTheListOnlyWhenTheAnswerIsYes) {
  SetEnvironmentVariableA("LEXITON_QUESTION_ANSWERS", "no,yes");
  ASSERT_NO_FATAL_FAILURE(start("wordlist_clear", "standin_client.dll", ""));
  ASSERT_NO_FATAL_FAILURE(lookUp(L"houses"));
  command(LXR_COMMAND_CLEAR_WORDLIST);
  ASSERT_EQ(countOf(alerts(), "question|Lexiton|"), 1u) << alerts();
  ASSERT_NO_FATAL_FAILURE(lookUp(L"gardens"));
  command(LXR_COMMAND_CLEAR_WORDLIST);
  EXPECT_EQ(countOf(alerts(), "question|Lexiton|"), 2u) << alerts();
  ASSERT_NO_FATAL_FAILURE(lookUp(L"smoking"));
  int64_t lookups = 0;
  const auto words = wordsAfterTheEnd(&lookups);
  EXPECT_EQ(lookups, 1);
  EXPECT_EQ(words.count("smoking"), 1u);
  EXPECT_EQ(countOf(alerts(), "\n"), 2u) << alerts();
}

TEST_F(WordListProgram, TheEndOfTheSessionWritesAndClosesTheListBeforeItIsAnswered) {
  ASSERT_NO_FATAL_FAILURE(start("wordlist_session_end", "standin_client.dll", ""));
  ASSERT_NO_FATAL_FAILURE(lookUp(L"houses"));
  HWND main = host_->mainWindow(*record_);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
  SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 10000, &result);
  // Windows may end the process as soon as the message is answered.
  host_->terminate();
  // Closed: the log was checkpointed into the file and removed.
  EXPECT_FALSE(fileExists(database() + "-wal"));
  int64_t lookups = 0;
  const auto words = wordsAfterTheEnd(&lookups);
  EXPECT_EQ(lookups, 1);
  EXPECT_EQ(words.count("houses"), 1u);
}

TEST_F(WordListProgram, AFileThatIsNotAWordListIsMovedAsideWithOneAlert) {
  writeText(database(), "These are the user's notes, not a database.");
  ASSERT_NO_FATAL_FAILURE(start("wordlist_aside", "standin_client.dll", ""));
  ASSERT_NO_FATAL_FAILURE(lookUp(L"houses"));
  const auto words = wordsAfterTheEnd();
  EXPECT_EQ(words.count("houses"), 1u);
  const std::string said = alerts();
  EXPECT_EQ(countOf(said, "\n"), 1u) << said;
  EXPECT_NE(said.find("lexidic-"), std::string::npos) << said;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((dataDirectory_ + "lexidic-*.db").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(readText(dataDirectory_ + found.cFileName), "These are the user's notes, not a database.");
  DeleteFileA((dataDirectory_ + found.cFileName).c_str());
}

// A password field: the text reader refuses it, so nothing is looked up and nothing kept.
class WordListPassword : public WordListProgram {
 protected:
  WordListPassword() : WordListProgram(true) {}
};

TEST_F(WordListPassword, APasswordFieldGivesNoLookUpAndNoRow) {
  ASSERT_NO_FATAL_FAILURE(start("wordlist_password", "standin_client.dll", "HVRDicts=1\n"));
  restOn(L"houses");
  // Well past the rest time and a re-evaluation.
  Sleep(2500);
  EXPECT_EQ(log().find("client Lookup"), std::string::npos) << log();
  EXPECT_FALSE(shown(display_));
  int64_t lookups = -1;
  wordsAfterTheEnd(&lookups);
  EXPECT_EQ(lookups, 0);
  EXPECT_EQ(alerts(), "");
}

}  // namespace
}  // namespace lexiton::host::test
