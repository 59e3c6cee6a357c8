#include "dict_config_dialog.h"

#include <lexiton/language_ids.h>
#include <lexiton/text_encoding.h>

#include <algorithm>
#include <cstdint>

#include "hover_library.h"

namespace lexiton::dictcore {
namespace {

// Dialog units.
constexpr short kWidth = 200;
constexpr short kMargin = 7;
constexpr short kLineHeight = 12;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

std::wstring wide(std::string_view utf8) {
  const std::u16string w = utf8ToUtf16(utf8);
  return std::wstring(w.begin(), w.end());
}

// A DLGTEMPLATE with its items, laid out as the system reads it: WORD-aligned strings,
// DWORD-aligned items.
class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& caption, short height, WORD items) {
    DLGTEMPLATE head{};
    head.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    head.cdit = items;
    head.cx = kWidth;
    head.cy = height;
    append(&head, sizeof head);
    word(0);  // no menu
    word(0);  // the standard dialog class
    text(caption);
    word(8);  // point size
    text(L"MS Shell Dlg");
  }
  void item(WORD windowClass, WORD id, DWORD style, short x, short y, short cx, short cy,
            const std::wstring& t) {
    align(4);
    DLGITEMTEMPLATE it{};
    it.style = style | WS_CHILD | WS_VISIBLE;
    it.x = x;
    it.y = y;
    it.cx = cx;
    it.cy = cy;
    it.id = id;
    append(&it, sizeof it);
    word(0xFFFF);
    word(windowClass);
    text(t);
    word(0);  // no creation data
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void append(const void* p, std::size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  void word(WORD w) { append(&w, sizeof w); }
  void text(const std::wstring& t) { append(t.c_str(), (t.size() + 1) * sizeof(wchar_t)); }
  void align(std::size_t n) {
    while (bytes_.size() % n) bytes_.push_back(0);
  }
  std::vector<uint8_t> bytes_;
};

struct DialogState {
  const std::vector<std::size_t>* installed;
  std::vector<std::string>* open;
};

INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      const auto* state = reinterpret_cast<DialogState*>(lParam);
      for (std::size_t i : *state->installed) {
        const bool isOpen =
            std::find(state->open->begin(), state->open->end(), kDictionaries[i].id) != state->open->end();
        CheckDlgButton(window, kFirstDictionaryBox + int(i), isOpen ? BST_CHECKED : BST_UNCHECKED);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(window, DWLP_USER));
        state->open->clear();
        for (std::size_t i : *state->installed)
          if (IsDlgButtonChecked(window, kFirstDictionaryBox + int(i)) == BST_CHECKED)
            state->open->emplace_back(kDictionaries[i].id);
        EndDialog(window, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, IDCANCEL);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

std::wstring dictConfigCaption(int language) {
  return isHungarian(language) ? wide("Sz\xC3\xB3t\xC3\xA1rak") : L"Dictionaries";
}

bool runDictConfigDialog(int language, HWND owner, const std::vector<std::size_t>& installed,
                         std::vector<std::string>& open) {
  const bool hu = isHungarian(language);
  const short boxes = short(installed.size());
  const short buttonsY = short(kMargin + kLineHeight * (boxes + 1) + kMargin);
  DialogTemplate t(dictConfigCaption(language), short(buttonsY + kButtonHeight + kMargin), WORD(boxes + 3));
  t.item(kStaticClass, WORD(-1), SS_LEFT, kMargin, kMargin, kWidth - 2 * kMargin, kLineHeight - 2,
         hu ? wide("A bubor\xC3\xA9kban keresett sz\xC3\xB3t\xC3\xA1rak:")
            : L"Dictionaries the hover tooltip looks words up in:");
  for (short i = 0; i < boxes; ++i) {
    const InstalledDictionary& d = kDictionaries[installed[std::size_t(i)]];
    t.item(kButtonClass, WORD(kFirstDictionaryBox + installed[std::size_t(i)]), BS_AUTOCHECKBOX | WS_TABSTOP,
           kMargin, short(kMargin + kLineHeight * (i + 1)), kWidth - 2 * kMargin, kLineHeight - 2,
           wide(hu ? d.hungarianName : d.englishName));
  }
  t.item(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, short(kWidth - 2 * (kButtonWidth + kMargin)),
         buttonsY, kButtonWidth, kButtonHeight, L"OK");
  t.item(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, short(kWidth - kButtonWidth - kMargin), buttonsY,
         kButtonWidth, kButtonHeight, hu ? wide("M\xC3\xA9gse") : L"Cancel");
  DialogState state{&installed, &open};
  std::vector<std::string> before = open;
  const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), owner, procedure,
                                                 reinterpret_cast<LPARAM>(&state));
  if (answer != IDOK) {
    open = std::move(before);
    return false;
  }
  return true;
}

}  // namespace lexiton::dictcore
