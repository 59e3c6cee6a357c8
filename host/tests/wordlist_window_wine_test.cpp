// The word-list window over a real word list, under wine: it lists the words with their counts
// and sentences, sorts and searches, exports through the save-file dialog (driven by the test)
// the same bytes as the export code, deletes the selected words, asks before clearing, and takes
// its texts from the language library. With LEXITON_WORDLIST_EXPORT_DIR set, the export test
// leaves its list and both exports there (window.csv, window.tsv), so wordlist_export_e2e.sh can
// compare them with the native command-line exporter's.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>
#include <lexiton/test/files.h>
#include <lexiton/test/win/dialog_driver.h>
#include <lexiton/ui_resources.h>

#include <memory>
#include <string>
#include <vector>

#include "word_list_samples.h"
#include "wordlist/win/word_list_window.h"

namespace lexiton::host {
namespace {

// The file name box of the save dialog: the combo box of the Explorer-style dialog, or the
// edit box of the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

std::string environment(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

std::wstring cell(HWND list, int row, int column) {
  wchar_t text[1024] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 1024;
  SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring headerText(HWND list, int column) {
  wchar_t text[256] = {};
  LVCOLUMNW item{};
  item.mask = LVCF_TEXT;
  item.pszText = text;
  item.cchTextMax = 256;
  SendMessageW(list, LVM_GETCOLUMNW, WPARAM(column), reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring windowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class WordListWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    exportFolder_ = environment("LEXITON_WORDLIST_EXPORT_DIR");
    folder_ = exportFolder_.empty() ? test::freshFolder("lexiton_wordlist_window_test") : exportFolder_;
    path_ = folder_ + "\\lexidic.db";
    DeleteFileA(path_.c_str());
    english_ = LoadLibraryW(L"uires2057.dll");
    hungarian_ = LoadLibraryW(L"uires1038.dll");
    ASSERT_TRUE(english_ && hungarian_);
    list_ = std::make_unique<WordList>(path_, WordList::Texts{});
    for (const WordListEntry& entry : test::ordinaryLookups()) list_->record(entry);
    for (const WordListEntry& entry : test::awkwardLookups()) list_->record(entry);
    list_->flush();
  }
  void TearDown() override {
    WordListWindow::close();
    list_.reset();
    if (english_) FreeLibrary(english_);
    if (hungarian_) FreeLibrary(hungarian_);
  }

  HWND openWindow(HMODULE language) {
    HWND window = WordListWindow::open(language, *list_);
    if (window) listView_ = GetDlgItem(window, LXR_CONTROL_WORDLIST_LIST);
    return window;
  }
  int rowCount() const { return int(SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0)); }
  std::vector<std::wstring> column(int index) const {
    std::vector<std::wstring> texts;
    for (int row = 0; row < rowCount(); ++row) texts.push_back(cell(listView_, row, index));
    return texts;
  }
  void clickHeader(HWND window, int index) {
    NMLISTVIEW click{};
    click.hdr = {listView_, UINT_PTR(LXR_CONTROL_WORDLIST_LIST), UINT(LVN_COLUMNCLICK)};
    click.iItem = -1;
    click.iSubItem = index;
    SendMessageW(window, WM_NOTIFY, WPARAM(LXR_CONTROL_WORDLIST_LIST), reinterpret_cast<LPARAM>(&click));
  }
  // Presses an export button, answering the save dialog with `file`.
  bool exportThroughDialog(HWND window, int button, const std::string& file) {
    const std::wstring wide(file.begin(), file.end());
    dialog_driver::Script script(dialog_driver::byCaption(L"Export the word list"),
                                 {[&](HWND dialog) {
                                    SetDlgItemTextW(dialog, kFileNameCombo, wide.c_str());
                                    SetDlgItemTextW(dialog, kFileNameEdit, wide.c_str());
                                  },
                                  [](HWND dialog) { dialog_driver::click(dialog, IDOK); }});
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(window, button)));
    return !script.timedOut() && script.stepsRun() == 2;
  }
  std::string expectedExport(ExportFormat format) {
    std::string text;
    appendExport(text, WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->words(), format);
    return text;
  }

  std::string exportFolder_;
  std::string folder_;
  std::string path_;
  HMODULE english_ = nullptr;
  HMODULE hungarian_ = nullptr;
  std::unique_ptr<WordList> list_;
  HWND listView_ = nullptr;
  test::AlertRecorder alerts_;
};

TEST_F(WordListWindowTest, ListsEachWordWithItsCountLastSeenAndSentence) {
  HWND window = openWindow(english_);
  ASSERT_TRUE(window);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(windowText(window), L"Word list");
  EXPECT_EQ(headerText(listView_, 0), L"Word");
  EXPECT_EQ(headerText(listView_, 4), L"Sentence");

  // Five words (two look-ups of "house"), the most recently seen first.
  ASSERT_EQ(rowCount(), 5);
  EXPECT_EQ(column(0),
            (std::vector<std::wstring>{L"Houses", L"gave", L"\u0150r\u00fclt", L"lines", L"t\u00fcll"}));
  EXPECT_EQ(column(1), (std::vector<std::wstring>{L"house", L"give up", L"\u0151r\u00fclt", L"line", L""}));
  EXPECT_EQ(column(2), (std::vector<std::wstring>{L"2", L"1", L"1", L"1", L"1"}));
  const std::string lastSeen = formatSeen(test::ordinaryLookups()[2].seen);
  EXPECT_EQ(cell(listView_, 0, 3), std::wstring(lastSeen.begin(), lastSeen.end()));
  EXPECT_EQ(cell(listView_, 1, 4), L"He gave up smoking last year.");
  // A line break and a tab in a sentence show as blanks.
  EXPECT_EQ(cell(listView_, 3, 4), L"Two lines and a tab, <b>bold</b> & more.");
  // The sentence column is drawn by the window itself; drawing it must hold up.
  InvalidateRect(listView_, nullptr, TRUE);
  UpdateWindow(listView_);

  // Opening it again brings the same window.
  EXPECT_EQ(openWindow(english_), window);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(WordListWindow::current(), nullptr);
}

TEST_F(WordListWindowTest, SortsByAHeaderClickAndNarrowsToTheSearch) {
  HWND window = openWindow(english_);
  ASSERT_TRUE(window);
  clickHeader(window, 0);  // the word, A to Z
  EXPECT_EQ(column(0),
            (std::vector<std::wstring>{L"gave", L"Houses", L"lines", L"t\u00fcll", L"\u0150r\u00fclt"}));
  clickHeader(window, 0);  // and back
  EXPECT_EQ(column(0).front(), L"\u0150r\u00fclt");
  clickHeader(window, 2);  // the count, largest first
  EXPECT_EQ(column(0).front(), L"Houses");

  HWND search = GetDlgItem(window, LXR_CONTROL_WORDLIST_SEARCH);
  SetWindowTextW(search, L"\u0150R\u00dcLT");
  EXPECT_EQ(column(0), (std::vector<std::wstring>{L"\u0150r\u00fclt"}));
  SetWindowTextW(search, L"smoking");
  EXPECT_EQ(column(0), (std::vector<std::wstring>{L"gave"}));
  SetWindowTextW(search, L"");
  EXPECT_EQ(rowCount(), 5);
}

TEST_F(WordListWindowTest, ExportsThroughTheSaveDialogWhatTheExportCodeWrites) {
  HWND window = openWindow(english_);
  ASSERT_TRUE(window);
  // Look-ups recorded while the window is open are in the export too.
  list_->record(test::numberedLookup(7));
  list_->flush();
  const std::string csv = folder_ + "\\window.csv";
  const std::string tsv = folder_ + "\\window.tsv";
  DeleteFileA(csv.c_str());
  DeleteFileA(tsv.c_str());
  ASSERT_TRUE(exportThroughDialog(window, LXR_CONTROL_WORDLIST_EXPORT_CSV, csv));
  ASSERT_TRUE(exportThroughDialog(window, LXR_CONTROL_WORDLIST_EXPORT_CARDS, tsv));
  EXPECT_EQ(lexiton::test::readFile(csv), expectedExport(ExportFormat::csv));
  EXPECT_EQ(lexiton::test::readFile(tsv), expectedExport(ExportFormat::flashCards));
  EXPECT_NE(lexiton::test::readFile(csv).find("word7"), std::string::npos);
  EXPECT_TRUE(alerts_.alerts.empty());
}

TEST_F(WordListWindowTest, DeletesTheSelectedWordsFromTheListAndTheFile) {
  HWND window = openWindow(english_);
  ASSERT_TRUE(window);
  ListView_SetItemState(listView_, 0, LVIS_SELECTED, LVIS_SELECTED);  // house, two look-ups
  ListView_SetItemState(listView_, 3, LVIS_SELECTED, LVIS_SELECTED);  // line
  dialog_driver::click(window, LXR_CONTROL_WORDLIST_DELETE);
  EXPECT_EQ(column(0), (std::vector<std::wstring>{L"gave", L"\u0150r\u00fclt", L"t\u00fcll"}));
  auto store = WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly);
  EXPECT_EQ(store->lookupCount(), 3);
  // Nothing selected: nothing goes.
  dialog_driver::click(window, LXR_CONTROL_WORDLIST_DELETE);
  EXPECT_EQ(rowCount(), 3);
}

TEST_F(WordListWindowTest, ClearingAsksFirstAndTheWindowFollows) {
  HWND window = openWindow(english_);
  ASSERT_TRUE(window);
  {
    dialog_driver::Script script(dialog_driver::byCaption(L"Lexiton"),
                                 {[](HWND box) { dialog_driver::click(box, IDNO); }});
    EXPECT_FALSE(clearWordListAfterAsking(english_, *list_));
    EXPECT_EQ(script.stepsRun(), 1u);
  }
  EXPECT_EQ(rowCount(), 5);
  {
    dialog_driver::Script script(dialog_driver::byCaption(L"Lexiton"),
                                 {[](HWND box) { dialog_driver::click(box, IDYES); }});
    EXPECT_TRUE(clearWordListAfterAsking(english_, *list_));
  }
  EXPECT_EQ(rowCount(), 0);
  EXPECT_EQ(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->lookupCount(), 0);
  EXPECT_TRUE(alerts_.alerts.empty());
}

TEST_F(WordListWindowTest, TabMovesBetweenItsControlsWithoutTheHostsHelp) {
  HWND window = openWindow(english_);
  ASSERT_TRUE(window);
  HWND search = GetDlgItem(window, LXR_CONTROL_WORDLIST_SEARCH);
  SetForegroundWindow(window);
  SetFocus(search);
  ASSERT_EQ(GetFocus(), search);
  PostMessageW(search, WM_KEYDOWN, VK_TAB, 0);
  pumpMessages();
  EXPECT_EQ(GetFocus(), listView_);
  // Escape closes it, as the Close button does.
  PostMessageW(listView_, WM_KEYDOWN, VK_ESCAPE, 0);
  pumpMessages();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(WordListWindowTest, TakesItsTextsFromTheHungarianLibrary) {
  HWND window = openWindow(hungarian_);
  ASSERT_TRUE(window);
  EXPECT_EQ(windowText(window), L"Sz\u00f3jegyz\u00e9k");
  EXPECT_EQ(headerText(listView_, 1), L"Sz\u00f3t\u00e1ri alak");
  EXPECT_EQ(headerText(listView_, 2), L"H\u00e1nyszor");
  EXPECT_EQ(windowText(GetDlgItem(window, LXR_CONTROL_WORDLIST_DELETE)), L"&T\u00f6rl\u00e9s");
  EXPECT_EQ(rowCount(), 5);
}

}  // namespace
}  // namespace lexiton::host
