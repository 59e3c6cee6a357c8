// The pointer tracking and the two tooltips put together on Windows: the tooltip windows, the
// tracker and the pair over the system's pointer, text reader, look-up library, local dictionary
// and monitors, and the recorder that hands the shown look-ups to the word list. MainWindow hands it the
// hook's reports; the windows hand it their timers, the trigger messages and their close messages.
#pragma once

#include <windows.h>

#include <memory>

#include "engines/engine_table.h"
#include "hover/hover_tracker.h"
#include "hover/win/lookup_threads.h"
#include "hover/win/system_text_reader.h"
#include "hover/word_list_recorder.h"
#include "startup/host_state.h"
#include "startup/win/main_window_handler.h"
#include "tooltip/tooltip_pair.h"
#include "tooltip/win/display_window.h"
#include "tooltip/win/system_local_dictionary.h"

namespace lexiton::host {

class HoverController final : public MainWindowHandler,
                              public DisplayWindow::Events,
                              public DisplayWindow_HVR::Events {
 public:
  HoverController(const EngineTable& engines, HostState& state, HoverListener& listener);
  HoverController(const HoverController&) = delete;
  HoverController& operator=(const HoverController&) = delete;

  // The two tooltip windows, hidden; false when either cannot be made.
  bool create(HINSTANCE program);
  void destroy();
  // The window the shared block names.
  HWND displayWindow() const { return display_.handle(); }
  // MainWindow, once it exists: the window Lookup's quit request goes to.
  void setMainWindow(HWND window) { lookups_.setMainWindow(window); }
  // The word list the shown look-ups go to; null: none (it closed).
  void recordInto(WordList* wordList) { recorder_.recordInto(wordList); }

  // MainWindowHandler: the hook's reports.
  bool handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class SystemPointer final : public PointerPosition {
   public:
    ScreenPoint current() override;
  };

  // DisplayWindow::Events
  void restTimerFired() override { tracker_.restTimerFired(); }
  void resultPollFired() override { tracker_.resultPollFired(); }
  void triggerArrived(uint32_t kind, const void* data, std::size_t size) override;
  void closeRequested() override { pair_.closeMain(); }
  // DisplayWindow_HVR::Events
  void localTimerFired() override { pair_.localTimerFired(); }
  void secondCloseRequested() override { pair_.closeSecond(); }

  const EngineTable& engines_;
  std::unique_ptr<LatencyTrace> trace_;
  std::shared_ptr<LookupExchange> exchange_;
  TriggerText trigger_;
  SystemMonitors monitors_;
  SystemPointer pointer_;
  SystemTextReader reader_;
  SystemLocalDictionary dictionary_;
  LookupThreads lookups_;
  WordListRecorder recorder_;
  DisplayWindow display_;
  DisplayWindow_HVR second_;
  TooltipPair pair_;
  HoverTracker tracker_;
};

}  // namespace lexiton::host
