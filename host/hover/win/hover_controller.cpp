#include "hover/win/hover_controller.h"

#include <lexiton/companion_exports.h>
#include <lexiton/ui_resources.h>

#include <vector>

#include "hover/hover_texts.h"

namespace lexiton::host {

namespace {

// A string of the language library, or `fallback` when it has none; cut to a 256-byte buffer.
std::string languageString(ModuleHandle language, int id, std::string_view fallback) {
  char buffer[kWorkerTextBuffer] = {};
  const int length = language ? LoadStringA(static_cast<HMODULE>(language), static_cast<UINT>(id), buffer,
                                            static_cast<int>(sizeof buffer))
                              : 0;
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string(fallback);
}

// Text in the system code page as the program's wide text.
std::u16string fromSystemCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<wchar_t*>(wide.data()), length);
  return wide;
}

}  // namespace

HoverController::HoverController(const EngineTable& engines, HostState& state, HoverListener& listener)
    : engines_(engines),
      trace_(LatencyTrace::fromEnvironment()),
      exchange_(std::make_shared<LookupExchange>()),
      reader_(engines),
      dictionary_(engines),
      lookups_(engines, exchange_, state.feedbackText, trace_.get()),
      recorder_(systemCodePage()),
      display_(engines.entries().firstTipPaint, monitors_, *this),
      second_(engines.entries().secondTipPaint, monitors_, *this),
      pair_({display_, second_, second_, dictionary_, monitors_, engines, state.display, state.hover,
             state.settings.tooltipColour,
             languageString(engines.languageLibrary(), LXR_STRING_NOT_FOUND, hover_texts::kLocalNotFound),
             &recorder_}),
      tracker_({state.hover, trigger_, *exchange_, display_, pointer_, reader_, lookups_, pair_, listener,
                trace_.get(), &recorder_}) {
  lookups_.setTexts(
      {languageString(engines.languageLibrary(), LXR_STRING_NOT_FOUND, hover_texts::kLookupNotFound),
       languageString(engines.languageLibrary(), LXR_STRING_FEEDBACK_HINT, "")});
}

bool HoverController::create(HINSTANCE program) {
  if (!display_.create(program) || !second_.create(program)) return false;
  lookups_.setResultNotice(display_.handle(), DisplayWindow::kResultStoredMessage);
  return true;
}

void HoverController::destroy() {
  display_.destroy();
  second_.destroy();
}

ScreenPoint HoverController::SystemPointer::current() {
  POINT at{};
  GetCursorPos(&at);
  return {at.x, at.y};
}

bool HoverController::handle(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LX_HOOK_POINTER_MOVED:
      tracker_.pointerMoved({static_cast<int>(static_cast<INT_PTR>(wParam)), static_cast<int>(lParam)});
      return true;
    case LX_HOOK_KEY_PRESSED:
      tracker_.keyReported(static_cast<unsigned>(wParam));
      return true;
  }
  return false;
}

void HoverController::triggerArrived(uint32_t kind, const void* data, std::size_t size) {
  const auto message = parseTriggerMessage(kind, data, size);
  if (!message) return;
  // The cursor counts bytes of the system code page; in the wide text it counts characters.
  tracker_.triggerReceived(
      *message, fromSystemCodePage(message->text),
      static_cast<int>(fromSystemCodePage(message->text.substr(0, message->cursor)).size()));
}

}  // namespace lexiton::host
