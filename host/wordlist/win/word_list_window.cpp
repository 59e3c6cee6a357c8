#include "wordlist/win/word_list_window.h"

#include <commctrl.h>
#include <lexiton/alert.h>
#include <lexiton/ui_resources.h>

#include <algorithm>
#include <cwchar>
#include <optional>

#include "wordlist/win/export_dialog.h"
#include "wordlist/win/language_texts.h"
#include "wordlist/word_text.h"

namespace lexiton::host {

namespace {

// The list's columns, left to right.
constexpr int kColumnCount = 5;
constexpr int kSentenceColumn = 4;
constexpr WordColumn kColumns[kColumnCount] = {WordColumn::word, WordColumn::dictionaryForm,
                                               WordColumn::count, WordColumn::lastSeen, WordColumn::sentence};
constexpr int kColumnTexts[kColumnCount] = {
    LXR_STRING_WORDLIST_COLUMN_WORD, LXR_STRING_WORDLIST_COLUMN_FORM, LXR_STRING_WORDLIST_COLUMN_COUNT,
    LXR_STRING_WORDLIST_COLUMN_LAST_SEEN, LXR_STRING_WORDLIST_COLUMN_SENTENCE};
// Widths in dialog units; the sentence takes what is left.
constexpr int kColumnWidths[kColumnCount - 1] = {70, 70, 32, 80};
// Blank space left of the text in a column drawn by hand, as the list view leaves it.
constexpr int kTextMargin = 6;

std::unique_ptr<WordListWindow> gOpen;

std::string captionOf(HMODULE language) {
  const std::string caption = languageTextInCodePage(language, LXR_STRING_CAPTION);
  return caption.empty() ? "Lexiton" : caption;
}

void alertWithName(HMODULE language, int id, const std::string& name) {
  std::string text = languageTextInCodePage(language, id);
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, name);
  showAlert(text, captionOf(language), AlertIcon::warning);
}

// A text as one line of a cell: tabs and line breaks (kept in the list) shown as blanks.
std::wstring cellText(const std::string& utf8) {
  std::wstring text = wideFromUtf8(utf8);
  for (wchar_t& c : text)
    if (c < L' ') c = L' ';
  return text;
}

int textWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
  return size.cx;
}

}  // namespace

HWND WordListWindow::open(HMODULE languageLibrary, WordList& wordList) {
  if (gOpen && gOpen->window_) {
    if (IsIconic(gOpen->window_)) ShowWindow(gOpen->window_, SW_RESTORE);
    SetForegroundWindow(gOpen->window_);
    return gOpen->window_;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  gOpen.reset(new WordListWindow(languageLibrary, wordList));
  HWND window = CreateDialogParamW(languageLibrary, MAKEINTRESOURCEW(LXR_DIALOG_WORDLIST), nullptr,
                                   dialogProc, reinterpret_cast<LPARAM>(gOpen.get()));
  if (!window) {
    gOpen.reset();
    return nullptr;
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  return window;
}

void WordListWindow::close() {
  if (gOpen && gOpen->window_) DestroyWindow(gOpen->window_);
  gOpen.reset();
}

HWND WordListWindow::current() { return gOpen ? gOpen->window_ : nullptr; }

void WordListWindow::refresh() {
  if (gOpen && gOpen->window_) gOpen->reload();
}

WordListWindow::WordListWindow(HMODULE languageLibrary, WordList& wordList)
    : language_(languageLibrary), wordList_(wordList) {}

WordListWindow::~WordListWindow() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

INT_PTR CALLBACK WordListWindow::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<WordListWindow*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
    self->initialise();
    return TRUE;
  }
  auto* self = reinterpret_cast<WordListWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->window_ = nullptr;
    if (gOpen.get() == self) gOpen.reset();
    return FALSE;
  }
  return self->handle(message, wParam, lParam);
}

// The host's message loop knows nothing of this window, so its keyboard navigation (Tab, Enter,
// Escape, mnemonics) is done here, on the way out of the thread's queue.
LRESULT CALLBACK WordListWindow::keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == PM_REMOVE && gOpen && gOpen->window_) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    HWND window = gOpen->window_;
    const bool keyboard = message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST;
    if (keyboard && (message->hwnd == window || IsChild(window, message->hwnd)) &&
        IsDialogMessageW(window, message)) {
      message->message = WM_NULL;
      message->wParam = 0;
      message->lParam = 0;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR WordListWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, onNotify(*reinterpret_cast<const NMHDR*>(lParam)));
      return TRUE;
    case WM_SIZE:
      layout();
      return TRUE;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      RECT smallest{0, 0, 240, 120};
      MapDialogRect(window_, &smallest);
      limits->ptMinTrackSize = {smallest.right, smallest.bottom};
      return TRUE;
    }
    case WM_ACTIVATE:
      // Look-ups written since the list was read show when the user comes back to it.
      if (LOWORD(wParam) != WA_INACTIVE && store_) {
        try {
          if (store_->connection().integer("PRAGMA data_version") != dataVersion_) reload();
        } catch (const SqliteError&) {
        }
      }
      return FALSE;
    case WM_CLOSE:
      DestroyWindow(window_);
      return TRUE;
    default:
      return FALSE;
  }
}

void WordListWindow::initialise() {
  hook_ = SetWindowsHookExW(WH_GETMESSAGE, keyboardHook, nullptr, GetCurrentThreadId());

  HWND list = item(LXR_CONTROL_WORDLIST_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  // Dialog units across, in the dialog's font.
  int pixelWidths[kColumnCount - 1] = {};
  for (int i = 0; i < kColumnCount - 1; ++i) {
    RECT width{0, 0, kColumnWidths[i], 0};
    MapDialogRect(window_, &width);
    pixelWidths[i] = int(width.right);
  }
  RECT client{};
  GetClientRect(list, &client);
  int used = 0;
  for (int i = 0; i < kColumnCount; ++i) {
    std::wstring title = languageText(language_, kColumnTexts[i]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = kColumns[i] == WordColumn::count ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.pszText = title.data();
    column.cx = i < kColumnCount - 1
                    ? pixelWidths[i]
                    : std::max<int>(pixelWidths[0], client.right - used - GetSystemMetrics(SM_CXVSCROLL));
    used += column.cx;
    column.iSubItem = i;
    SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i), reinterpret_cast<LPARAM>(&column));
  }

  // The word in a sentence is drawn in the list's font made bold.
  if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0))) {
    LOGFONTW description{};
    if (GetObjectW(font, sizeof description, &description)) {
      description.lfWeight = FW_BOLD;
      boldFont_.reset(CreateFontIndirectW(&description));
    }
  }

  RECT windowClient{};
  GetClientRect(window_, &windowClient);
  initialClient_ = {windowClient.right, windowClient.bottom};
  const auto anchor = [&](int id, bool moveX, bool moveY, bool growX, bool growY) {
    HWND control = item(id);
    if (!control) return;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    anchors_.push_back({id, rect, moveX, moveY, growX, growY});
  };
  anchor(LXR_CONTROL_WORDLIST_SEARCH, false, false, true, false);
  anchor(LXR_CONTROL_WORDLIST_LIST, false, false, true, true);
  anchor(LXR_CONTROL_WORDLIST_EXPORT_CSV, false, true, false, false);
  anchor(LXR_CONTROL_WORDLIST_EXPORT_CARDS, false, true, false, false);
  anchor(LXR_CONTROL_WORDLIST_DELETE, false, true, false, false);
  anchor(IDCANCEL, true, true, false, false);

  openStore();
  reload();
}

void WordListWindow::openStore() {
  // The writer opens (or makes) the file first; what is queued is written before the list is read.
  wordList_.flush();
  try {
    store_ = WordListStore::openExisting(wordList_.path(), SqliteConnection::Mode::readWrite);
  } catch (const std::exception&) {
    store_.reset();  // an empty list; nothing to export or delete
  }
  const bool usable = store_ != nullptr;
  for (int id :
       {LXR_CONTROL_WORDLIST_EXPORT_CSV, LXR_CONTROL_WORDLIST_EXPORT_CARDS, LXR_CONTROL_WORDLIST_DELETE})
    EnableWindow(item(id), usable);
}

void WordListWindow::reload() {
  rows_.clear();
  if (store_) {
    try {
      dataVersion_ = store_->connection().integer("PRAGMA data_version");
      rows_ = store_->words();
    } catch (const SqliteError&) {
      rows_.clear();
    }
  }
  showSelection();
}

void WordListWindow::showSelection() {
  wchar_t search[256] = {};
  GetWindowTextW(item(LXR_CONTROL_WORDLIST_SEARCH), search, 256);
  shown_ = selectWords(rows_, utf8FromWide(search), order_);
  HWND list = item(LXR_CONTROL_WORDLIST_LIST);
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  ListView_SetItemCountEx(list, int(shown_.size()), 0);
  InvalidateRect(list, nullptr, TRUE);

  // The sorted column's header shows its direction.
  HWND header = ListView_GetHeader(list);
  for (int i = 0; i < kColumnCount; ++i) {
    HDITEMW headerItem{};
    headerItem.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&headerItem));
    headerItem.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (kColumns[i] == order_.column) headerItem.fmt |= order_.descending ? HDF_SORTDOWN : HDF_SORTUP;
    SendMessageW(header, HDM_SETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&headerItem));
  }
}

void WordListWindow::layout() {
  if (anchors_.empty()) return;
  RECT client{};
  GetClientRect(window_, &client);
  const int dx = client.right - initialClient_.cx;
  const int dy = client.bottom - initialClient_.cy;
  HDWP positions = BeginDeferWindowPos(int(anchors_.size()));
  for (const Anchor& a : anchors_) {
    const int x = a.rect.left + (a.moveX ? dx : 0);
    const int y = a.rect.top + (a.moveY ? dy : 0);
    const int width = std::max<int>(0, a.rect.right - a.rect.left + (a.growX ? dx : 0));
    const int height = std::max<int>(0, a.rect.bottom - a.rect.top + (a.growY ? dy : 0));
    if (positions)
      positions =
          DeferWindowPos(positions, item(a.id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (positions) EndDeferWindowPos(positions);
}

void WordListWindow::onCommand(int id, int notification) {
  switch (id) {
    case LXR_CONTROL_WORDLIST_SEARCH:
      if (notification == EN_CHANGE) showSelection();
      break;
    case LXR_CONTROL_WORDLIST_EXPORT_CSV:
      exportList(ExportFormat::csv);
      break;
    case LXR_CONTROL_WORDLIST_EXPORT_CARDS:
      exportList(ExportFormat::flashCards);
      break;
    case LXR_CONTROL_WORDLIST_DELETE:
      deleteSelected();
      break;
    case IDCANCEL:
      DestroyWindow(window_);
      break;
    default:
      break;
  }
}

LRESULT WordListWindow::onNotify(const NMHDR& header) {
  if (header.idFrom != LXR_CONTROL_WORDLIST_LIST) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
      if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0)
        textOf(info.item.iItem, info.item.iSubItem, info.item.pszText, info.item.cchTextMax);
      return 0;
    }
    case LVN_COLUMNCLICK:
      sortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
      return 0;
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) deleteSelected();
      return 0;
    case NM_CUSTOMDRAW:
      return drawSentence(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
    default:
      return 0;
  }
}

void WordListWindow::textOf(int index, int column, wchar_t* buffer, int size) const {
  buffer[0] = L'\0';
  if (index < 0 || std::size_t(index) >= shown_.size() || column < 0 || column >= kColumnCount) return;
  const WordRow& row = rows_[shown_[std::size_t(index)]];
  std::string text;
  switch (kColumns[column]) {
    case WordColumn::word:
      text = row.latest.word;
      break;
    case WordColumn::dictionaryForm:
      text = row.latest.dictionaryForm;
      break;
    case WordColumn::count:
      text = std::to_string(row.count);
      break;
    case WordColumn::lastSeen:
      text = formatSeen(row.lastSeen);
      break;
    case WordColumn::sentence:
      text = row.latest.sentence;
      break;
  }
  const std::wstring wide = cellText(text);
  const std::size_t length = std::min<std::size_t>(wide.size(), std::size_t(size) - 1);
  std::wmemcpy(buffer, wide.data(), length);
  buffer[length] = L'\0';
}

// The sentence column is drawn here, so the word in it can be bold; every other cell is the
// list view's own.
LRESULT WordListWindow::drawSentence(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      break;
    default:
      return CDRF_DODEFAULT;
  }
  const std::size_t index = draw.nmcd.dwItemSpec;
  if (draw.iSubItem != kSentenceColumn || index >= shown_.size()) return CDRF_DODEFAULT;
  const WordListEntry& entry = rows_[shown_[index]].latest;

  HWND list = draw.nmcd.hdr.hwndFrom;
  HDC dc = draw.nmcd.hdc;
  RECT cell{};
  cell.top = kSentenceColumn;
  cell.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETSUBITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&cell));
  const bool selected = ListView_GetItemState(list, int(index), LVIS_SELECTED) & LVIS_SELECTED;
  const bool focused = GetFocus() == list;
  const int background = selected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW;
  const int foreground = selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
  FillRect(dc, &cell, GetSysColorBrush(background));

  win::TextStateGuard state(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(foreground));
  const std::string& sentence = entry.sentence;
  const auto span = findWord(sentence, entry.word, entry.wordOffset);
  const std::size_t start = span ? span->offset : sentence.size();
  const std::size_t length = span ? span->length : 0;
  const std::wstring parts[3] = {cellText(sentence.substr(0, start)),
                                 cellText(sentence.substr(start, length)),
                                 cellText(sentence.substr(start + length))};
  RECT text = cell;
  text.left += kTextMargin;
  for (int part = 0; part < 3 && text.left < text.right; ++part) {
    if (parts[part].empty()) continue;
    win::Selection font(dc, part == 1 && boldFont_ ? boldFont_.get() : nullptr);
    DrawTextW(dc, parts[part].c_str(), int(parts[part].size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    text.left += textWidth(dc, parts[part]);
  }
  return CDRF_SKIPDEFAULT;
}

void WordListWindow::sortBy(int column) {
  if (column < 0 || column >= kColumnCount) return;
  order_ = orderAfterClick(order_, kColumns[column]);
  showSelection();
}

void WordListWindow::deleteSelected() {
  if (!store_) return;
  HWND list = item(LXR_CONTROL_WORDLIST_LIST);
  std::vector<std::string> keys;
  for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0;
       i = ListView_GetNextItem(list, i, LVNI_SELECTED)) {
    if (std::size_t(i) < shown_.size()) keys.push_back(rows_[shown_[std::size_t(i)]].key);
  }
  if (keys.empty()) return;
  try {
    store_->deleteWords(keys);
  } catch (const SqliteError&) {
    showAlert(languageTextInCodePage(language_, LXR_STRING_WORDLIST_DELETE_FAILED), captionOf(language_),
              AlertIcon::warning);
  }
  reload();
}

void WordListWindow::exportList(ExportFormat format) {
  if (!store_) return;
  const std::optional<std::wstring> path = askExportPath(window_, language_, format);
  if (!path) return;
  std::string text;
  bool written = false;
  try {
    // The list as it is now, whatever the window shows.
    appendExport(text, store_->words(), format);
    written = writeWholeFile(*path, text);
  } catch (const SqliteError&) {
  }
  if (!written) alertWithName(language_, LXR_STRING_WORDLIST_EXPORT_FAILED, codePageFromWide(*path));
}

bool clearWordListAfterAsking(HMODULE languageLibrary, WordList& wordList) {
  // Through the alerts' machinery, which a process under test answers from its environment.
  if (!askYesNo(languageTextInCodePage(languageLibrary, LXR_STRING_CLEAR_WORDLIST_QUESTION),
                captionOf(languageLibrary), WordListWindow::current()))
    return false;
  const bool cleared = wordList.clear();
  if (!cleared)
    showAlert(languageTextInCodePage(languageLibrary, LXR_STRING_CLEAR_WORDLIST_FAILED),
              captionOf(languageLibrary), AlertIcon::warning);
  WordListWindow::refresh();
  return cleared;
}

}  // namespace lexiton::host
