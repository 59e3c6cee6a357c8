// The other process of the text reader's tests: a window with one text control of known text,
// and where its characters are, measured in this process with EM_POSFROMCHAR.
//   textgrab_target KIND REPORT INDEX...
// KIND is edit, richedit, long (an Edit with one paragraph of over 30,000 characters) or
// label-edit / label-richedit (a two-word text), password (a password Edit holding two words),
// or accessible / accessible-protected: a control of no standard class whose accessibility
// object reports the same two words as its value, the second also in the protected state of a
// browser's password field. For each INDEX the screen point of the left
// half of that character is written to the REPORT file as "index x y", then "ready", after the
// text itself as its first line (UTF-8, line breaks escaped). The program runs until it is ended.
#include <windows.h>
#include <oleacc.h>
#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring textFor(const std::wstring& kind) {
  if (kind == L"label-edit") return L"Save as";
  if (kind == L"label-richedit") return L"Open file";
  if (kind == L"password" || kind == L"accessible" || kind == L"accessible-protected") return L"hunter two";
  if (kind == L"long") {
    std::wstring text;
    for (int i = 0; i < 800; ++i) text += L"Filler words come here. ";
    text += L"The marked sentence holds the zebra. ";
    for (int i = 0; i < 800; ++i) text += L"More words follow it. ";
    return text;
  }
  return L"First paragraph is short.\r\nThe second paragraph holds several words. It has two sentences.\r\n"
         L"\r\nLast one after an empty line.";
}

// The accessibility object of the custom control: a text whose value is the two words, and
// nothing else it is asked about.
class FieldObject final : public IAccessible {
 public:
  explicit FieldObject(bool isProtected) : protected_(isProtected) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return *parent = nullptr, S_FALSE; }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return *count = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    return *child = nullptr, S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT, BSTR* name) override { return *name = nullptr, S_FALSE; }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
    *value = SysAllocString(L"hunter two");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
    return *text = nullptr, S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT, VARIANT* role) override {
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_TEXT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT, VARIANT* state) override {
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_FOCUSABLE | (protected_ ? STATE_SYSTEM_PROTECTED : 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return *text = nullptr, S_FALSE; }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override {
    return *text = nullptr, S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return focus->vt = VT_EMPTY, S_FALSE; }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return selection->vt = VT_EMPTY, S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* text) override {
    return *text = nullptr, S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG*, LONG*, LONG*, LONG*, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    return end->vt = VT_EMPTY, S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG, LONG, VARIANT* child) override {
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  LONG references_ = 1;
  bool protected_;
};

bool fieldIsProtected = false;

LRESULT CALLBACK fieldProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    auto* object = new FieldObject(fieldIsProtected);
    // Wine's LresultFromObject takes no wParam but 0 (its reader sends another); and the
    // interface's id from the header, since the import library's IID_IAccessible is a thunk.
    (void)wParam;
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), 0, object);
    object->Release();
    return result;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 3) return 2;
  const std::wstring kind = arguments[1];
  const bool rich = kind == L"richedit" || kind == L"label-richedit";
  if (rich) LoadLibraryW(L"riched20.dll");

  WNDCLASSW frameClass{};
  frameClass.lpfnWndProc = DefWindowProcW;
  frameClass.hInstance = instance;
  frameClass.lpszClassName = L"TextgrabTargetFrame";
  frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassW(&frameClass);
  // The frame covers the screen's top left; the control fills its left part, the rest of the
  // frame is a plain window.
  HWND frame = CreateWindowExW(WS_EX_TOPMOST, L"TextgrabTargetFrame", L"textgrab target",
                               WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700, nullptr, nullptr, instance, nullptr);
  const bool custom = kind == L"accessible" || kind == L"accessible-protected";
  // The accessibility object is marshalled to the reader's process through COM.
  if (custom) CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  fieldIsProtected = kind == L"accessible-protected";
  WNDCLASSW fieldClass{};
  fieldClass.lpfnWndProc = fieldProcedure;
  fieldClass.hInstance = instance;
  fieldClass.lpszClassName = L"TextgrabTargetField";
  RegisterClassW(&fieldClass);
  // A password field is a single-line Edit: Windows refuses ES_PASSWORD with ES_MULTILINE.
  const bool oneLine = kind == L"password" || custom;
  const DWORD style = kind == L"password" ? WS_CHILD | WS_VISIBLE | ES_PASSWORD | ES_AUTOHSCROLL
                      : custom            ? WS_CHILD | WS_VISIBLE
                                          : WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL;
  HWND control =
      CreateWindowExW(0,
                      custom ? L"TextgrabTargetField"
                      : rich ? RICHEDIT_CLASSW
                             : L"EDIT",
                      L"", style, 10, 10, 600, oneLine ? 30 : 600, frame, nullptr, instance, nullptr);
  const std::wstring text = textFor(kind);
  SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(control, text.c_str());

  FILE* report = _wfopen(arguments[2], L"wb");
  if (!report) return 3;
  // The text on one line: its line breaks written as \r and \n (it holds no backslash).
  std::string line = utf8(text);
  for (std::size_t at = 0; (at = line.find_first_of("\r\n", at)) != std::string::npos; at += 2)
    line.replace(at, 1, line[at] == '\r' ? "\\r" : "\\n");
  std::fprintf(report, "%s\n", line.c_str());
  for (int i = 3; i < count; ++i) {
    const int index = _wtoi(arguments[i]);
    // Scroll the character into view first (the long text runs past the control).
    SendMessageW(control, EM_SETSEL, index, index);  // same indices in the long Edit
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
    POINT at{};
    if (custom) {
      at = {20 + index, 9};  // the field has no characters: any point inside it
    } else if (rich) {
      // INDEX counts in the text as set, with CR LF; rich edit counts each line break once.
      int richIndex = index;
      for (int i = 0; i + 1 < index; ++i)
        if (text[i] == L'\r' && text[i + 1] == L'\n') --richIndex;
      POINTL where{};
      SendMessageW(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&where), richIndex);
      at = {where.x, where.y};
    } else {
      const LRESULT where = SendMessageW(control, EM_POSFROMCHAR, index, 0);
      at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    }
    // The left half of the character, halfway down its line: EM_CHARFROMPOS rounds to the
    // nearest caret position, which there is the character's own.
    at.x += 1;
    at.y += 6;
    ClientToScreen(control, &at);
    std::fprintf(report, "%d %ld %ld\n", index, at.x, at.y);
  }
  std::fprintf(report, "ready\n");
  std::fclose(report);
  LocalFree(arguments);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
