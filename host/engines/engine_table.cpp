#include "engines/engine_table.h"

#include <lexiton/fixed_texts.h>

#include "startup/host_paths.h"

namespace lexiton::host {

namespace {

// The local engine's InitModule reports a failure so.
constexpr int kInitModuleFailed = -1;

using NoArgumentEntry = int (*)();

// An entry with no arguments, called with the caller-cleans-up convention; whatever it throws
// stays here.
void callSwallowing(void* entry) {
  if (!entry) return;
  try {
    reinterpret_cast<NoArgumentEntry>(entry)();
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
  auto bindEntry = [this](ModuleHandle module, const char* name) { return loader_.entry(module, name); };

  firstPainter_ = load(engine_files::kFirstPainter);
  if (!firstPainter_) return Failure{std::string(engine_files::kFirstPainter)};
  entries_.firstTipPaint = bindEntry(firstPainter_, "TipPaint");
  if (!entries_.firstTipPaint) return Failure{std::string(kNameTipPaint)};

  dictionary_ = load(engine_files::kDictionary);
  if (!dictionary_) return Failure{std::string(engine_files::kDictionary)};
  entries_.lookupRIFFW = bindEntry(dictionary_, "LookupRIFFW");
  if (!entries_.lookupRIFFW) return Failure{std::string(kNameLookupRIFFW)};
  entries_.initModule = bindEntry(dictionary_, "InitModule");
  entries_.endModule = bindEntry(dictionary_, "EndModule");
  entries_.dictConfig = bindEntry(dictionary_, "DictConfig");
  entries_.getOpenDicts = bindEntry(dictionary_, "GetOpenDicts");

  if (hoverDictionaries == 1) {
    // An engine without InitModule cannot be started, which is its failure too.
    int started = kInitModuleFailed;
    if (entries_.initModule) started = reinterpret_cast<NoArgumentEntry>(entries_.initModule)();
    if (started == kInitModuleFailed) return Failure{std::string(kNameLookupInit)};
    engineInitialised_ = true;
  }

  secondPainterModule_ = load(engine_files::kSecondPainter);
  entries_.secondTipPaint = secondPainterModule_ ? bindEntry(secondPainterModule_, "TipPaint") : nullptr;
  secondPainter_ = entries_.secondTipPaint != nullptr;
  secondTooltip_ = secondPainter_ && engineInitialised_;

  textReader_ = load(engine_files::kTextReader);
  if (!textReader_) return Failure{std::string(engine_files::kTextReader)};
  entries_.getMWord9WEx = bindEntry(textReader_, "GetMWord9W_Ex");
  entries_.getIE4WEx = bindEntry(textReader_, "GetIE4W_Ex");
  entries_.makeTidy = bindEntry(textReader_, "MakeTidy");
  if (!entries_.getMWord9WEx || !entries_.getIE4WEx || !entries_.makeTidy)
    return Failure{std::string(kNameTextReader)};

  clientFile_ = std::string(serverMode() == 1 ? engine_files::kOnlineClient : engine_files::kStandaloneClient);
  client_ = load(clientFile_);
  if (!client_) return Failure{clientFile_};
  entries_.lookup = bindEntry(client_, "Lookup");
  entries_.setMode = bindEntry(client_, "SetMode");
  entries_.getCopyRightInfo = bindEntry(client_, "GetCopyRightInfo");
  entries_.kvInit = bindEntry(client_, "KVInit");
  entries_.kvClose = bindEntry(client_, "KVClose");
  entries_.kvStorno = bindEntry(client_, "KVStorno");
  entries_.kvExit = bindEntry(client_, "KVExit");
  entries_.kvProxyDlg = bindEntry(client_, "KVProxyDlg");
  if (!entries_.lookup || !entries_.kvStorno || !entries_.setMode || !entries_.getCopyRightInfo ||
      !entries_.kvInit || !entries_.kvClose)
    return Failure{std::string(kNameClientEntries)};
  return std::nullopt;
}

void EngineTable::release(ModuleHandle& module) {
  if (module) loader_.unload(module);
  module = nullptr;
}

void EngineTable::unload() {
  if (client_) callSwallowing(entries_.kvClose);
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
