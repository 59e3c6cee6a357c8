// "voicer.dll" (a shared object of the same name elsewhere) loaded by name, its two entries
// bound by name; the library stays loaded for as long as the binding lives.
#include <lexiton/companion_exports.h>
#include <lexiton/library.h>

#include "lexiton/lookup/speech.h"

namespace lexiton::lookup {

namespace {

class VoicerLibrary final : public Speech {
 public:
  VoicerLibrary(Library library, SpeakFn speak, ResetSpeakFn reset)
      : library_(std::move(library)), speak_(speak), reset_(reset) {}
  void reset() override { reset_(); }
  void speak(std::string_view text, int language) override {
    const std::string terminated(text);
    speak_(terminated.c_str(), language);
  }

 private:
  Library library_;
  SpeakFn speak_;
  ResetSpeakFn reset_;
};

}  // namespace

std::unique_ptr<Speech> loadSpeechLibrary(const std::string& file) {
  Library library(file);
  if (!library) return nullptr;
  auto speak = library.bind<SpeakFn>("Speak");
  auto reset = library.bind<ResetSpeakFn>("ResetSpeak");
  if (!speak || !reset) return nullptr;  // the owner unloads it
  return std::make_unique<VoicerLibrary>(std::move(library), speak, reset);
}

}  // namespace lexiton::lookup
