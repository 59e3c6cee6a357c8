// The speech library elsewhere: a shared object found by dlopen's search, with the same two
// entries (tests build a recorder this way).
#include <dlfcn.h>

#include "lexiton/lookup/speech.h"

namespace lexiton::lookup {

namespace {

using SpeakFn = void (*)(const char* text, int language);
using ResetSpeakFn = void (*)();

class SharedObject {
 public:
  explicit SharedObject(const std::string& file) : handle_(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~SharedObject() {
    if (handle_) dlclose(handle_);
  }
  SharedObject(const SharedObject&) = delete;
  SharedObject& operator=(const SharedObject&) = delete;
  explicit operator bool() const { return handle_ != nullptr; }
  void* symbol(const char* name) const { return dlsym(handle_, name); }

 private:
  void* handle_;
};

class VoicerLibrary final : public Speech {
 public:
  VoicerLibrary(std::unique_ptr<SharedObject> library, SpeakFn speak, ResetSpeakFn reset)
      : library_(std::move(library)), speak_(speak), reset_(reset) {}
  void reset() override { reset_(); }
  void speak(std::string_view text, int language) override {
    const std::string terminated(text);
    speak_(terminated.c_str(), language);
  }

 private:
  std::unique_ptr<SharedObject> library_;
  SpeakFn speak_;
  ResetSpeakFn reset_;
};

}  // namespace

std::unique_ptr<Speech> loadSpeechLibrary(const std::string& file) {
  auto library = std::make_unique<SharedObject>(file);
  if (!*library) return nullptr;
  auto speak = reinterpret_cast<SpeakFn>(library->symbol("Speak"));
  auto reset = reinterpret_cast<ResetSpeakFn>(library->symbol("ResetSpeak"));
  if (!speak || !reset) return nullptr;
  return std::make_unique<VoicerLibrary>(std::move(library), speak, reset);
}

}  // namespace lexiton::lookup
