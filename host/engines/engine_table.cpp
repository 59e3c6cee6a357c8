#include "engines/engine_table.h"

#include <lexiton/fixed_texts.h>

#include <type_traits>

#include "startup/host_paths.h"

namespace lexiton::host {

namespace {

// The local engine's InitModule reports a failure so.
constexpr int kInitModuleFailed = -1;

// An entry with no arguments whose result does not matter; whatever it throws stays here.
template <class Entry>
void callSwallowing(Entry entry) {
  if (!entry) return;
  try {
    entry();
  } catch (...) {
  }
}

}  // namespace

bool EngineTable::loadLanguageLibrary(int language) {
  language_ = load(languageLibraryName(language));
  return language_ != nullptr;
}

std::optional<EngineTable::Failure> EngineTable::loadRichEdit() {
  richEdit1_ = load(engine_files::kRichEdit1);
  if (!richEdit1_) return Failure{std::string(engine_files::kRichEdit1Name)};
  richEdit2_ = load(engine_files::kRichEdit2);
  if (!richEdit2_) return Failure{std::string(engine_files::kRichEdit2Name)};
  return std::nullopt;
}

std::optional<EngineTable::Failure> EngineTable::bind(int hoverDictionaries,
                                                      const std::function<int()>& serverMode) {
  using namespace fixed_texts;
  // Binds `name` into the typed `entry`; true when it is there.
  auto bindTyped = [this](ModuleHandle module, const char* name, auto& entry) {
    entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(loader_.entry(module, name));
    return entry != nullptr;
  };

  firstPainter_ = load(engine_files::kFirstPainter);
  if (!firstPainter_) return Failure{std::string(engine_files::kFirstPainter)};
  if (!bindTyped(firstPainter_, "TipPaint", entries_.firstTipPaint))
    return Failure{std::string(kNameTipPaint)};

  dictionary_ = load(engine_files::kDictionary);
  if (!dictionary_) return Failure{std::string(engine_files::kDictionary)};
  if (!bindTyped(dictionary_, "LookupRIFFW", entries_.lookupRIFFW))
    return Failure{std::string(kNameLookupRIFFW)};
  bindTyped(dictionary_, "InitModule", entries_.initModule);
  bindTyped(dictionary_, "EndModule", entries_.endModule);
  bindTyped(dictionary_, "DictConfig", entries_.dictConfig);
  bindTyped(dictionary_, "GetOpenDicts", entries_.getOpenDicts);

  if (hoverDictionaries == 1) {
    // An engine without InitModule cannot be started, which is its failure too.
    int started = kInitModuleFailed;
    if (entries_.initModule) started = entries_.initModule();
    if (started == kInitModuleFailed) return Failure{std::string(kNameLookupInit)};
    engineInitialised_ = true;
  }

  secondPainterModule_ = load(engine_files::kSecondPainter);
  entries_.secondTipPaint = nullptr;
  if (secondPainterModule_) bindTyped(secondPainterModule_, "TipPaint", entries_.secondTipPaint);
  secondPainter_ = entries_.secondTipPaint != nullptr;
  secondTooltip_ = secondPainter_ && engineInitialised_;

  textReader_ = load(engine_files::kTextReader);
  if (!textReader_) return Failure{std::string(engine_files::kTextReader)};
  const bool reader = bindTyped(textReader_, "GetMWord9W_Ex", entries_.getMWord9WEx) &
                      bindTyped(textReader_, "GetIE4W_Ex", entries_.getIE4WEx) &
                      bindTyped(textReader_, "MakeTidy", entries_.makeTidy);
  if (!reader) return Failure{std::string(kNameTextReader)};

  clientFile_ =
      std::string(serverMode() == 1 ? engine_files::kOnlineClient : engine_files::kStandaloneClient);
  client_ = load(clientFile_);
  if (!client_) return Failure{clientFile_};
  // Every entry is bound before the verdict, so that unloading finds KVClose when it is there.
  const bool client =
      bindTyped(client_, "Lookup", entries_.lookup) & bindTyped(client_, "SetMode", entries_.setMode) &
      bindTyped(client_, "GetCopyRightInfo", entries_.getCopyRightInfo) &
      bindTyped(client_, "KVInit", entries_.kvInit) & bindTyped(client_, "KVClose", entries_.kvClose) &
      bindTyped(client_, "KVStorno", entries_.kvStorno);
  bindTyped(client_, "KVExit", entries_.kvExit);
  bindTyped(client_, "KVProxyDlg", entries_.kvProxyDlg);
  if (!client) return Failure{std::string(kNameClientEntries)};
  return std::nullopt;
}

bool HoverDictionarySwitch::ensureEngineStarted() {
  if (table_.engineInitialised_) return true;
  const auto initModule = table_.entries_.initModule;
  if (!initModule || initModule() == kInitModuleFailed) return false;
  table_.engineInitialised_ = true;
  setSecondTooltipEnabled(true);
  return true;
}

void EngineTable::release(ModuleHandle& module) {
  if (module) loader_.unload(module);
  module = nullptr;
}

int EngineTable::initClient(const std::string& configPath) {
  return entries_.kvInit ? entries_.kvInit(nullptr, configPath.c_str()) : -1;
}

void EngineTable::closeClient() {
  if (!client_ || clientClosed_) return;
  clientClosed_ = true;
  callSwallowing(entries_.kvClose);
}

void EngineTable::unload() {
  closeClient();
  clientClosed_ = false;
  if (dictionary_ && engineInitialised_) callSwallowing(entries_.endModule);
  entries_ = Entries{};
  engineInitialised_ = secondPainter_ = secondTooltip_ = false;
  release(textReader_);
  release(dictionary_);
  release(secondPainterModule_);
  release(client_);
  release(firstPainter_);
  release(richEdit1_);
  release(richEdit2_);
  release(language_);
}

}  // namespace lexiton::host
