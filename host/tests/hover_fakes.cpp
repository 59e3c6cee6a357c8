#include "hover_fakes.h"

#include <lexiton/alert.h>
#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>
#include <lexiton/text_encoding.h>

#include <algorithm>
#include <stdexcept>

namespace lexiton::host::test {

void FakeTimers::startRestTimer(int ms) {
  rest_ = Timer{ms, clock_.now + ms};
  ++restStarts;
}

void FakeTimers::startResultPoll() { poll_ = Timer{kResultPollMs, clock_.now + kResultPollMs}; }

void FakeTimers::advance(double ms, const std::function<void()>& restFired,
                         const std::function<void()>& pollFired) {
  const double end = clock_.now + ms;
  for (;;) {
    // The next timer due within the step; the rest timer first on a tie.
    std::optional<Timer>* next = nullptr;
    if (rest_ && rest_->due <= end) next = &rest_;
    if (poll_ && poll_->due <= end && (!next || poll_->due < (*next)->due)) next = &poll_;
    if (!next) break;
    clock_.now = (*next)->due;
    (*next)->due += (*next)->period;
    (next == &rest_ ? restFired : pollFired)();
  }
  clock_.now = end;
}

namespace {

bool take(const std::map<std::pair<int, int>, FakeReader::Reading>& readings, ScreenPoint at,
          std::u16string& text, int& cursor, std::string* source) {
  const auto found = readings.find({at.x, at.y});
  if (found == readings.end()) return false;
  text = found->second.text;
  cursor = found->second.cursor;
  if (source) *source = found->second.source;
  return true;
}

}  // namespace

bool FakeReader::tidy(const std::u16string& pending, std::u16string& text, int& cursor) {
  calls.push_back("tidy");
  if (tidyThrows) throw std::runtime_error("tidy");
  if (pending.empty()) return false;
  text = pending;
  (void)cursor;  // the cursor in the tidied text is the pending one
  return true;
}

bool FakeReader::documentAt(ScreenPoint at, std::u16string& text, int& cursor) {
  calls.push_back("document");
  if (documentThrows) throw std::runtime_error("document");
  return take(documents, at, text, cursor, nullptr);
}

bool FakeReader::windowAt(ScreenPoint at, std::u16string& text, int& cursor, std::string& source) {
  calls.push_back("window");
  if (windowThrows) throw std::runtime_error("window");
  return take(windows, at, text, cursor, &source);
}

void FakeLookups::startWorker(int number) {
  if (startFails) throw std::runtime_error("no thread");
  WorkerJob job;
  job.exchange = exchange;
  job.number = number;
  job.lookup = &scriptedLookup;
  job.notFoundText = "Not found";
  job.clock = clock;
  started.push_back(job);
}

void ScriptedLookup::reset() {
  found = true;
  count = 1;
  quit = false;
  calls = 0;
  lastFooter.clear();
  lastNotFound.clear();
  lastSource.clear();
  during = nullptr;
}

std::string scriptedPlainText(const std::u16string& text, unsigned cursor) {
  return utf16ToUtf8(text) + "@" + std::to_string(cursor);
}

bool LX_CDECL scriptedLookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count,
                             int*, const char* notFound, bool* quit, const char* footer, const char* source) {
  ++ScriptedLookup::calls;
  if (ScriptedLookup::during) ScriptedLookup::during();
  ScriptedLookup::lastFooter = footer ? footer : "";
  ScriptedLookup::lastNotFound = notFound ? notFound : "";
  ScriptedLookup::lastSource = source ? source : "";
  const std::u16string words(wideView(text->data, text->length));
  const std::string plain = scriptedPlainText(words, pointer);
  // Written in place, within the capacity the caller reserved.
  std::vector<uint8_t> list;
  auto add = [&](std::string_view tag, const std::string& data) {
    list.insert(list.end(), tag.begin(), tag.end());
    for (int i = 0; i < 4; ++i) list.push_back(static_cast<uint8_t>(data.size() >> (8 * i)));
    list.insert(list.end(), data.begin(), data.end());
  };
  add(chunk_tags::kDocuments, "{\\rtf1 " + plain + "}");
  add(chunk_tags::kPlainText, plain);
  list.insert(list.end(), 4, 0);
  std::copy(list.begin(), list.end(), result->data);
  result->size = static_cast<uint32_t>(list.size());
  *count = ScriptedLookup::count;
  *quit = ScriptedLookup::quit;
  return ScriptedLookup::found;
}

bool FakeTooltips::paintMain(const std::vector<uint8_t>& result, ScreenPoint at) {
  calls.push_back("paint");
  painted.push_back(result);
  paintedAt.push_back(at);
  return painterAnswer;
}

namespace {
void recordAlert(const Alert& alert, void* context) {
  static_cast<AlertRecorder*>(context)->alerts.push_back(alert.caption + "|" + alert.text);
}
}  // namespace

AlertRecorder::AlertRecorder() { setAlertHook(&recordAlert, this); }
AlertRecorder::~AlertRecorder() { setAlertHook(nullptr, nullptr); }

}  // namespace lexiton::host::test
