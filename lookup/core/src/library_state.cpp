// KVInit's rules and the state the other exports read.
#include "lexiton/lookup/library_state.h"

#include <lexiton/alert.h>
#include <lexiton/byte_store.h>
#include <lexiton/chunk_list.h>
#include <lexiton/profile.h>
#include <lexiton/settings_keys.h>
#include <lexiton/text_encoding.h>

#include <cstdlib>
#include <utility>

#include "lexiton/lookup/about_texts.h"
#include "lexiton/lookup/dialogs.h"
#include "lexiton/lookup/layout.h"
#include "lexiton/lookup/lookup_pipeline.h"
#include "lexiton/lookup/message_table.h"
#include "lexiton/lookup/module_path.h"
#include "lexiton/lookup/query_backend.h"
#include "lexiton/lookup/speech.h"

namespace lexiton::lookup {

namespace {
namespace dict_keys = settings::dict;
namespace server_keys = settings::server;
}  // namespace

struct LibraryState::AboutList {
  std::vector<std::string> texts;
  std::vector<const char*> items;
  LxTextList list{0, nullptr};
};

struct LibraryState::Configuration {
  std::shared_ptr<const AboutList> about;
  std::string settingsPath;
  void* ownerWindow = nullptr;
  int language = kLanguageHungarian;
  bool serverMode = true;
  std::shared_ptr<const Layout> styleSheet;
  std::shared_ptr<QueryBackend> backend;
  std::shared_ptr<Speech> speech;  // null when speech is off
};

LibraryState::LibraryState(LibraryOptions options) : options_(std::move(options)) {}

LibraryState::~LibraryState() = default;

std::shared_ptr<const LibraryState::Configuration> LibraryState::current() const {
  std::lock_guard<std::mutex> guard(lock_);
  return current_;
}

void LibraryState::publish(std::shared_ptr<const Configuration> configuration) {
  std::shared_ptr<const Configuration> previous;
  {
    std::lock_guard<std::mutex> guard(lock_);
    previous = std::exchange(current_, std::move(configuration));
  }
  // The previous configuration goes when its last running look-up lets go of it.
}

std::shared_ptr<Dialogs> LibraryState::dialogs() {
  std::lock_guard<std::mutex> guard(lock_);
  if (!dialogs_) {
    dialogs_ = options_.dialogs ? options_.dialogs(currentModule()) : makeNoDialogs();
  }
  return dialogs_;
}

int LibraryState::init(void* ownerWindow, const char* settingsPath) {
  auto next = std::make_shared<Configuration>();
  next->settingsPath = settingsPath ? settingsPath : "";
  if (next->settingsPath.empty()) {
    showAlert("The .ini file is not defined.", "Lexiton initialisation", AlertIcon::error);
    return -1;
  }
  next->ownerWindow = ownerWindow;
  std::shared_ptr<Speech> speech = loadSpeechLibrary(options_.speechLibrary);

  try {
    next->styleSheet = std::make_shared<const Layout>(options_.styleSheetFile);
  } catch (const layout_exception& e) {
    showAlert("korvell.sty: " + std::to_string(e.code()) + " (line:" + std::to_string(e.line()) + ")",
              "Layout construction exception", AlertIcon::error);
    return -1;
  }

  auto settings = openProfile(next->settingsPath);
  const std::string userLanguage = settings->readString(dict_keys::kSection, dict_keys::kUserLang);
  next->language = userLanguage.empty() ? kLanguageHungarian : std::atoi(userLanguage.c_str());
  next->serverMode = settings->readString(server_keys::kSection, server_keys::kServerMode) != "0";
  if (speech && speechWanted([&](std::string_view section) {
        return settings->readString(section, settings::audio::kState);
      })) {
    next->speech = std::move(speech);
  }

  auto about = std::make_shared<AboutList>();
  about->texts = readAboutTexts(options_.aboutFile, userLanguage);
  for (const std::string& t : about->texts) about->items.push_back(t.c_str());
  about->list.items = about->items.data();
  about->list.count = static_cast<uint32_t>(about->items.size());
  next->about = about;

  if (options_.backend)
    next->backend = options_.backend(*settings, next->serverMode, currentModuleDirectory());
  {
    // KVExit closed the dialogs for good; a library initialised again opens them anew.
    std::lock_guard<std::mutex> guard(lock_);
    aboutLists_.push_back(std::move(about));
    if (dialogsClosed_) dialogs_.reset();
    dialogsClosed_ = false;
  }
  dialogs();
  publish(std::move(next));
  return 0;
}

bool LibraryState::lookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count,
                          int* reserved, const char* notFoundText, bool* quit, const char* footerText,
                          const char* sourceName) {
  if (count) *count = 0;
  if (quit) *quit = false;
  if (!result) return false;
  result->size = 0;
  const auto configuration = current();
  if (!configuration) return false;

  LookupContext context;
  context.styleSheet = configuration->styleSheet.get();
  context.backend = configuration->backend.get();
  context.speech = configuration->speech.get();
  const std::shared_ptr<Dialogs> dialogs = this->dialogs();
  context.dialogs = dialogs.get();
  context.ownerWindow = configuration->ownerWindow;
  context.language = configuration->language;
  context.mode = mode_.load(std::memory_order_relaxed);

  LookupRequest request;
  if (text && text->data) request.text = wideView(text->data, text->length);
  request.pointer = pointer;
  request.notFoundText = notFoundText ? notFoundText : "";
  request.footerText = footerText ? footerText : "";
  request.sourceName = sourceName ? sourceName : "";

  ReservedStore store(*result);
  ChunkList list(store);
  const LookupOutcome outcome = runLookup(context, request, list);
  if (quit) *quit = outcome.quit;
  if (!outcome.produced) return false;
  if (count) *count = outcome.count;
  if (reserved) *reserved = 0;
  return true;
}

int LibraryState::setMode(int passThrough, int mode) {
  mode_.store(mode, std::memory_order_relaxed);
  return passThrough;
}

int LibraryState::storno() {
  const auto configuration = current();
  if (!configuration || !configuration->backend) return -1;
  return configuration->backend->cancelQuery();
}

int LibraryState::close() {
  const auto configuration = current();
  if (!configuration) return 0;
  if (configuration->backend) configuration->backend->close();
  // The style sheet and the speech library go; the connection stays until the library is
  // unloaded.
  auto closed = std::make_shared<Configuration>(*configuration);
  closed->styleSheet.reset();
  closed->speech.reset();
  publish(std::move(closed));
  return 0;
}

bool LibraryState::exit() {
  std::shared_ptr<Dialogs> open;
  {
    std::lock_guard<std::mutex> guard(lock_);
    open = dialogs_;
    dialogsClosed_ = true;
  }
  if (open) open->destroyAll();
  return true;
}

int LibraryState::proxyDialog(int language, void* parentWindow) {
  const auto configuration = current();
  if (!configuration) return 0;  // no settings file to read or write
  auto settings = openProfile(configuration->settingsPath);
  std::string server = settings->readString(server_keys::kSection, server_keys::kProxyServer);
  std::string type = settings->readString(server_keys::kSection, server_keys::kProxyType);
  std::string credentials = settings->readString(server_keys::kSection, server_keys::kProxyAuth);
  if (dialogs()->runProxy(language, parentWindow, server, type, credentials) != 2) return 0;
  settings->writeString(server_keys::kSection, server_keys::kProxyServer, server);
  settings->writeString(server_keys::kSection, server_keys::kProxyAuth, credentials);
  settings->writeString(server_keys::kSection, server_keys::kProxyType, type);
  if (configuration->backend) configuration->backend->setProxy(server, type, credentials);
  return 0;
}

const LxTextList* LibraryState::copyRightInfo() const {
  static const LxTextList kNone{0, nullptr};
  const auto c = current();
  return c && c->about ? &c->about->list : &kNone;
}

int LibraryState::language() const {
  const auto c = current();
  return c ? c->language : kLanguageHungarian;
}

bool LibraryState::serverMode() const {
  const auto c = current();
  return c && c->serverMode;
}

bool LibraryState::speechOn() const {
  const auto c = current();
  return c && c->speech;
}

bool LibraryState::hasBackend() const {
  const auto c = current();
  return c && c->backend;
}

}  // namespace lexiton::lookup
