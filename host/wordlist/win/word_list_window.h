// The word-list window: an ordinary top-level window (it takes the focus, has a taskbar button
// and may be resized) listing the words the user looked up, with the word's dictionary form,
// how often and when last it was looked up, and the sentence with the word in bold. The list
// sorts by a click on a column's header and narrows to what the search box holds; Export writes
// the whole list as CSV or flash cards through a save-file dialog; Delete removes the selected
// words. Its template and texts come from the language library; it reads and deletes through a
// connection of its own, while look-ups keep being written by the word list's thread.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include <lexiton/win/gdi_handles.h>

#include "wordlist/word_export.h"
#include "wordlist/word_list.h"
#include "wordlist/word_selection.h"

namespace lexiton::host {

class WordListWindow {
 public:
  // Opens the window (or brings the open one to the front) over `wordList`, which must outlive
  // it; null when the language library has no template for it. Main thread only.
  static HWND open(HMODULE languageLibrary, WordList& wordList);
  // Closes the open window, if any (at exit, before the word list goes).
  static void close();
  // The open window, or null.
  static HWND current();
  // Reads the list again, if the window is open (after the list was cleared).
  static void refresh();

  ~WordListWindow();
  WordListWindow(const WordListWindow&) = delete;
  WordListWindow& operator=(const WordListWindow&) = delete;

 private:
  WordListWindow(HMODULE languageLibrary, WordList& wordList);
  static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

  void initialise();
  void openStore();
  void reload();
  void showSelection();
  void layout();
  void onCommand(int id, int notification);
  LRESULT onNotify(const NMHDR& header);
  LRESULT drawSentence(NMLVCUSTOMDRAW& draw);
  void textOf(int item, int column, wchar_t* buffer, int size) const;
  void sortBy(int column);
  void deleteSelected();
  void exportList(ExportFormat format);
  HWND item(int id) const { return GetDlgItem(window_, id); }

  HMODULE language_;
  WordList& wordList_;
  HWND window_ = nullptr;
  HHOOK hook_ = nullptr;
  std::unique_ptr<WordListStore> store_;
  int64_t dataVersion_ = -1;
  std::vector<WordRow> rows_;
  std::vector<std::size_t> shown_;  // indexes into rows_, in the list's order
  WordOrder order_;
  win::Font boldFont_;
  // Where each control sat at creation, for keeping the margins when the window is resized.
  struct Anchor {
    int id;
    RECT rect;
    bool moveX, moveY, growX, growY;
  };
  std::vector<Anchor> anchors_;
  SIZE initialClient_{};
};

// Asks the user whether to empty the word list (Yes/No, "No" the default; through askYesNo, so
// a process under test answers from its environment) and empties it when the answer is yes; an alert says so
// when it could not be emptied. The open window follows. True when the list was emptied.
bool clearWordListAfterAsking(HMODULE languageLibrary, WordList& wordList);

}  // namespace lexiton::host
