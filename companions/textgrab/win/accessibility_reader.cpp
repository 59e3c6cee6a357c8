#include "win/accessibility_reader.h"

#include <oleacc.h>

#include <string>

#include "tidy_text.h"
#include "win/com_objects.h"

namespace lexiton::textgrab::win {

namespace {

std::u16string take(BSTR text) {
  std::u16string result;
  if (text) result.assign(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
  SysFreeString(text);
  return result;
}

// Roles whose value or name is text the user reads. A client area counts only inside a control
// (a child window), never the client area of a program's main window, whose name is its title.
bool holdsText(IAccessible* object, const VARIANT& child) {
  Variant role;
  if (FAILED(object->get_accRole(child, role.put())) || role.get().vt != VT_I4) return false;
  switch (role.get().lVal) {
    case ROLE_SYSTEM_TEXT:
    case ROLE_SYSTEM_STATICTEXT:
    case ROLE_SYSTEM_PUSHBUTTON:
    case ROLE_SYSTEM_CHECKBUTTON:
    case ROLE_SYSTEM_RADIOBUTTON:
    case ROLE_SYSTEM_MENUITEM:
    case ROLE_SYSTEM_LISTITEM:
    case ROLE_SYSTEM_OUTLINEITEM:
    case ROLE_SYSTEM_PAGETAB:
    case ROLE_SYSTEM_LINK:
    case ROLE_SYSTEM_CELL:
      return true;
    case ROLE_SYSTEM_CLIENT: {
      HWND window = nullptr;
      return SUCCEEDED(WindowFromAccessibleObject(object, &window)) && window &&
             (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
    }
    default:
      return false;
  }
}

// A password field, whatever its program: its state says it hides its text.
bool isProtected(IAccessible* object, const VARIANT& child) {
  Variant state;
  return SUCCEEDED(object->get_accState(child, state.put())) && state.get().vt == VT_I4 &&
         (state.get().lVal & STATE_SYSTEM_PROTECTED);
}

}  // namespace

std::optional<CapturedText> readAccessible(POINT screenPoint) {
  ComPtr<IAccessible> object;
  Variant child;
  if (FAILED(AccessibleObjectFromPoint(screenPoint, object.put(), child.put())) || !object)
    return std::nullopt;
  if (!holdsText(object.get(), child.get()) || isProtected(object.get(), child.get())) return std::nullopt;
  BSTR text = nullptr;
  std::u16string found;
  if (SUCCEEDED(object->get_accValue(child.get(), &text))) found = take(text);
  if (found.empty()) {
    text = nullptr;
    if (SUCCEEDED(object->get_accName(child.get(), &text))) found = take(text);
  }
  return labelWithoutPosition(found);
}

}  // namespace lexiton::textgrab::win
