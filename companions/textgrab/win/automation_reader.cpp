#include "win/automation_reader.h"

// Generated at build time by widl: wine's client interfaces and our text pattern.
#include <text_pattern.h>

#include "point_range.h"
#include "win/com_objects.h"

namespace lexiton::textgrab::win {

namespace {

// How long UI Automation may take to reach a provider, and to get one answer from it.
constexpr DWORD kConnectionTimeoutMs = 300;
constexpr DWORD kTransactionTimeoutMs = 300;
// How far up from the element at the point the text pattern is looked for: a browser's or an
// editor's pattern sits on the document, above the text leaf the point falls on.
constexpr int kPatternSearchDepth = 8;

// The client object with its time limits, or nothing. Only IUIAutomation2 can be given limits,
// and an unbounded call into another program is never made, so without it there is nothing.
ComPtr<IUIAutomation2> createAutomation() {
  ComPtr<IUIAutomation2> automation;
  if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation2,
                              reinterpret_cast<void**>(automation.put()))) ||
      !automation || FAILED(automation->put_ConnectionTimeout(kConnectionTimeoutMs)) ||
      FAILED(automation->put_TransactionTimeout(kTransactionTimeoutMs)))
    automation.reset();
  return automation;
}

std::optional<std::u16string> rangeText(IUIAutomationTextRange* range) {
  BSTR text = nullptr;
  if (FAILED(range->GetText(kMaxRangeCharacters, &text))) return std::nullopt;
  std::u16string result;
  if (text) result.assign(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
  SysFreeString(text);
  return result;
}

// The point's degenerate range, answering through copies so the range itself never moves.
class AutomationPointRange : public PointRange {
 public:
  explicit AutomationPointRange(IUIAutomationTextRange* point) : point_(point) {}

  std::optional<std::u16string> enclosingText(TextUnit unit) override {
    auto range = expanded(unit);
    if (!range) return std::nullopt;
    return rangeText(range.get());
  }

  std::optional<std::u16string> textBeforePoint(TextUnit unit) override {
    auto range = expanded(unit);
    if (!range || FAILED(range->MoveEndpointByRange(TextPatternRangeEndpoint_End, point_,
                                                    TextPatternRangeEndpoint_Start)))
      return std::nullopt;
    return rangeText(range.get());
  }

 private:
  ComPtr<IUIAutomationTextRange> expanded(TextUnit unit) {
    ComPtr<IUIAutomationTextRange> range;
    if (FAILED(point_->Clone(range.put())) || !range ||
        FAILED(range->ExpandToEnclosingUnit(static_cast<::TextUnit>(unit))))
      range.reset();
    return range;
  }

  IUIAutomationTextRange* point_;
};

bool isPassword(IUIAutomationElement* element) {
  BOOL password = FALSE;
  return SUCCEEDED(element->get_CurrentIsPassword(&password)) && password;
}

// The text pattern of the element at the point or of its nearest ancestor that has one; nothing
// when the element or one on the way up is a password field.
ComPtr<IUIAutomationTextPattern> textPatternAt(IUIAutomation2* automation, POINT screenPoint) {
  ComPtr<IUIAutomationTextPattern> pattern;
  ComPtr<IUIAutomationElement> element;
  ComPtr<IUIAutomationTreeWalker> walker;
  if (FAILED(automation->ElementFromPoint(screenPoint, element.put())) || !element ||
      FAILED(automation->get_ControlViewWalker(walker.put())) || !walker)
    return pattern;
  for (int level = 0; level < kPatternSearchDepth && element; ++level) {
    if (isPassword(element.get())) {
      pattern.reset();
      break;
    }
    if (SUCCEEDED(element->GetCurrentPatternAs(UIA_TextPatternId, IID_IUIAutomationTextPattern,
                                               reinterpret_cast<void**>(pattern.put()))) &&
        pattern)
      break;
    ComPtr<IUIAutomationElement> parent;
    if (FAILED(walker->GetParentElement(element.get(), parent.put()))) break;
    element = std::move(parent);
  }
  return pattern;
}

}  // namespace

bool automationAvailable() { return static_cast<bool>(createAutomation()); }

std::optional<CapturedText> readAutomation(POINT screenPoint) {
  ComPtr<IUIAutomation2> automation = createAutomation();
  if (!automation) return std::nullopt;
  ComPtr<IUIAutomationTextPattern> pattern = textPatternAt(automation.get(), screenPoint);
  if (!pattern) return std::nullopt;
  ComPtr<IUIAutomationTextRange> point;
  if (FAILED(pattern->RangeFromPoint(screenPoint, point.put())) || !point) return std::nullopt;
  AutomationPointRange questions(point.get());
  return readPointRange(questions);
}

}  // namespace lexiton::textgrab::win
