// The process-wide state behind the exports: what KVInit read and built, shared by the
// look-up workers. A configuration is immutable once published; KVInit and KVClose publish a
// new one, and a running look-up keeps the one it started with alive until it returns.
#pragma once

#include <lexiton/abi.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lexiton {
class Layout;
class Profile;
}  // namespace lexiton

namespace lexiton::lookup {

class Dialogs;
class QueryBackend;
class Speech;

// What makes one look-up library what it is: its backend and its dialogs (each library's entry
// file hands over its own), and the files it reads.
struct LibraryOptions {
  // Builds the backend at KVInit from the settings, the [Server Settings] Server_Mode rule and
  // the folder of the library itself (with a trailing separator). Empty, or null from it: no
  // look-ups are made.
  std::function<std::unique_ptr<QueryBackend>(Profile& settings, bool serverMode,
                                              const std::string& moduleDir)>
      backend;
  // Builds the dialogs for the library's module; none open when empty.
  std::function<std::unique_ptr<Dialogs>(void* module)> dialogs;
  std::string speechLibrary = "voicer.dll";
  std::string styleSheetFile = "korvell.sty";
  std::string aboutFile = "kvo.cri";
};

class LibraryState {
 public:
  explicit LibraryState(LibraryOptions options = {});
  ~LibraryState();
  LibraryState(const LibraryState&) = delete;
  LibraryState& operator=(const LibraryState&) = delete;

  // The exports' bodies; each may throw, the exports catch.
  int init(void* ownerWindow, const char* settingsPath);
  bool lookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count, int* reserved,
              const char* notFoundText, bool* quit, const char* footerText, const char* sourceName);
  int setMode(int passThrough, int mode);
  // The about texts of the last KVInit; an empty list before it.
  const LxTextList* copyRightInfo() const;
  int storno();
  int close();
  bool exit();
  int proxyDialog(int language, void* parentWindow);

  // What KVInit decided (tests).
  int language() const;
  bool serverMode() const;
  bool speechOn() const;
  bool hasBackend() const;

 private:
  struct Configuration;
  struct AboutList;
  std::shared_ptr<const Configuration> current() const;
  void publish(std::shared_ptr<const Configuration> configuration);
  // The open set of dialogs; a caller keeps it alive for as long as it uses it.
  std::shared_ptr<Dialogs> dialogs();

  LibraryOptions options_;
  mutable std::mutex lock_;  // guards current_ and dialogs_ creation
  std::shared_ptr<const Configuration> current_;
  std::shared_ptr<Dialogs> dialogs_;  // replaced by the next KVInit once KVExit closed it
  bool dialogsClosed_ = false;
  std::atomic<int> mode_{0};
  // Every about list ever handed out stays valid for the library's life: a caller may still read
  // one while a later KVInit publishes the next. One a KVInit, so a handful at most.
  std::vector<std::shared_ptr<const AboutList>> aboutLists_;
};

// The instance the exports use. Each library's entry file defines it once, with that library's
// options (its backend and dialogs).
LibraryState& libraryState();

}  // namespace lexiton::lookup
