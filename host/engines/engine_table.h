// EngineTable: the libraries the host loads by file name and the entries it binds by name, in
// the fixed binding order with the name each failure is reported under, and the fixed unloading
// order. The loading itself goes through ModuleLoader (LoadLibrary on Windows), so the order,
// the names and the flags are the same code under test and in the program.
#pragma once

#include <lexiton/companion_exports.h>
#include <lexiton/lookup_exports.h>
#include <lexiton/painter_exports.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lexiton::host {

using ModuleHandle = void*;

class ModuleLoader {
 public:
  virtual ~ModuleLoader() = default;
  virtual ModuleHandle load(const std::string& file) = 0;  // null when it does not load
  virtual void* entry(ModuleHandle module, const char* name) = 0;
  virtual void unload(ModuleHandle module) = 0;
};

// The file names as the host loads them.
namespace engine_files {
inline constexpr std::string_view kFirstPainter = ".\\mtippaint.dll";
inline constexpr std::string_view kDictionary = ".\\dictcore.dll";
inline constexpr std::string_view kSecondPainter = ".\\tippaint.dll";
inline constexpr std::string_view kTextReader = ".\\textgrab.dll";
inline constexpr std::string_view kOnlineClient = ".\\LexitonClt.dll";
inline constexpr std::string_view kStandaloneClient = ".\\LexitonSt.dll";
inline constexpr std::string_view kPointerHook = "ptrhook.dll";
inline constexpr std::string_view kRichEdit1 = "RICHED32.DLL";
inline constexpr std::string_view kRichEdit2 = "RichEd20.dll";
// The names the component-failed message gives a missing rich-edit library.
inline constexpr std::string_view kRichEdit1Name = "riched32.dll";
inline constexpr std::string_view kRichEdit2Name = "riched20.dll";
}  // namespace engine_files

class EngineTable {
 public:
  // What binding failed on: the name the component-failed message shows.
  struct Failure {
    std::string name;
  };

  explicit EngineTable(ModuleLoader& loader) : loader_(loader) {}
  ~EngineTable() { unload(); }
  EngineTable(const EngineTable&) = delete;
  EngineTable& operator=(const EngineTable&) = delete;

  // The language library, and the two rich-text libraries of the dialogs.
  bool loadLanguageLibrary(int language);
  // Nothing, or the name of the rich-edit library that failed.
  std::optional<Failure> loadRichEdit();

  // Binds in order: first painter, local engine (InitModule when [dict] HVRDicts is 1),
  // second painter (optional), text reader, client library. `serverMode` reads [Server
  // Settings] Server_Mode at the client step, as the file says then.
  std::optional<Failure> bind(int hoverDictionaries, const std::function<int()>& serverMode);

  // KVInit(null owner, path) of the bound client library: 0 when it is ready, -1 when unbound.
  int initClient(const std::string& configPath);
  // KVClose, once: the end of the session may close it before the libraries are unloaded.
  void closeClient();

  // KVClose (unless closed) and EndModule (their exceptions swallowed), then every library in
  // the fixed order.
  // Safe to call again; what was never loaded is skipped.
  void unload();

  ModuleHandle languageLibrary() const { return language_; }
  bool engineInitialised() const { return engineInitialised_; }
  bool secondPainterAvailable() const { return secondPainter_; }
  bool secondTooltipEnabled() const { return secondTooltip_; }
  const std::string& clientFile() const { return clientFile_; }

  // Bound entries, typed by the headers both ends build against; null when absent.
  struct Entries {
    TipPaintFn firstTipPaint = nullptr;
    TipPaintFn secondTipPaint = nullptr;
    LookupRIFFWFn lookupRIFFW = nullptr;
    InitModuleFn initModule = nullptr;
    EndModuleFn endModule = nullptr;
    DictConfigFn dictConfig = nullptr;
    GetOpenDictsFn getOpenDicts = nullptr;
    GetMWord9WExFn getMWord9WEx = nullptr;
    GetIE4WExFn getIE4WEx = nullptr;
    MakeTidyFn makeTidy = nullptr;
    LookupFn lookup = nullptr;
    SetModeFn setMode = nullptr;
    GetCopyRightInfoFn getCopyRightInfo = nullptr;
    KVInitFn kvInit = nullptr;
    KVCloseFn kvClose = nullptr;
    KVStornoFn kvStorno = nullptr;
    KVExitFn kvExit = nullptr;
    KVProxyDlgFn kvProxyDlg = nullptr;
  };
  const Entries& entries() const { return entries_; }

 private:
  friend class HoverDictionarySwitch;

  ModuleHandle load(std::string_view file) { return loader_.load(std::string(file)); }
  void release(ModuleHandle& module);

  ModuleLoader& loader_;
  Entries entries_;
  ModuleHandle firstPainter_ = nullptr;
  ModuleHandle dictionary_ = nullptr;
  ModuleHandle secondPainterModule_ = nullptr;
  ModuleHandle textReader_ = nullptr;
  ModuleHandle client_ = nullptr;
  ModuleHandle richEdit1_ = nullptr;
  ModuleHandle richEdit2_ = nullptr;
  ModuleHandle language_ = nullptr;
  std::string clientFile_;
  bool engineInitialised_ = false;
  bool secondPainter_ = false;
  bool secondTooltip_ = false;
  bool clientClosed_ = false;
};

// The one change the table sees after binding: the Dictionaries command may start the local
// engine late and switches the second tooltip. Whoever runs that command holds this, never the
// table itself, so everything else stays as binding left it.
class HoverDictionarySwitch {
 public:
  explicit HoverDictionarySwitch(EngineTable& table) : table_(table) {}

  // Starts the local engine with InitModule unless it runs already; false when it cannot
  // (no InitModule, or it answered -1). A late start enables the second tooltip when its
  // painter is there.
  bool ensureEngineStarted();
  // Only ever on when the second painter is there.
  void setSecondTooltipEnabled(bool on) { table_.secondTooltip_ = on && table_.secondPainter_; }

 private:
  EngineTable& table_;
};

}  // namespace lexiton::host
