// The modeless dialogs the client library opens: the upgrade notice and the proxy settings.
// On Windows they are real dialogs from the library's resources; a portable build has none,
// and tests hand the pipeline a recorder instead.
#pragma once

#include <memory>
#include <string>

namespace lexiton::lookup {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the upgrade notice and returns when it is gone: 2 "Download now", 1 "Exit", 0 closed
  // by its close box or already open (then it is only brought to the front), -1 on failure.
  virtual int runUpgrade(int language, void* ownerWindow) = 0;
  // Shows the proxy dialog filled from the three texts and returns when it is gone: 2 when
  // confirmed (the texts then hold the user's choice), 1 when cancelled, 0 when already open.
  virtual int runProxy(int language, void* parentWindow, std::string& server, std::string& type,
                       std::string& credentials) = 0;
  // Destroys whatever dialog is still open; the library is about to be unloaded, so no dialog
  // opens after this (upgrade 0, proxy 1).
  virtual void destroyAll() = 0;
};

// A set that opens nothing (upgrade 0, proxy 1): for a library without dialogs of its own.
std::unique_ptr<Dialogs> makeNoDialogs();

// The client library's own dialogs from its resources; `module` is the library's module handle.
// On Windows the proxy settings and the upgrade notice (lexiton_dialogs); elsewhere none.
std::unique_ptr<Dialogs> makePlatformDialogs(void* module);

}  // namespace lexiton::lookup
