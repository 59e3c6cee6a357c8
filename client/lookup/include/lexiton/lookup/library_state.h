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
}

namespace lexiton::lookup {

class Dialogs;
class QueryBackend;
class Speech;

struct LibraryOptions {
  std::string speechLibrary = "voicer.dll";
  std::string styleSheetFile = "korvell.sty";
  std::string aboutFile = "kvo.cri";
  // Builds the dialogs for the library's module; makeDialogs when empty.
  std::function<std::unique_ptr<Dialogs>(void* module)> dialogs;
};

class LibraryState {
 public:
  explicit LibraryState(LibraryOptions options = {});
  ~LibraryState();
  LibraryState(const LibraryState&) = delete;
  LibraryState& operator=(const LibraryState&) = delete;

  // The exports' bodies; each may throw, the exports catch.
  int init(void* ownerWindow, const char* settingsPath);
  bool lookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count,
              int* reserved, const char* notFoundText, bool* quit, const char* footerText,
              const char* sourceName);
  int setMode(int passThrough, int mode);
  const LxTextList* copyRightInfo() const { return &aboutList_; }
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
  std::vector<std::string> aboutTexts_;
  std::vector<const char*> aboutItems_;
  LxTextList aboutList_{0, nullptr};
};

// The instance the exports use, created on first use.
LibraryState& libraryState();

}  // namespace lexiton::lookup
