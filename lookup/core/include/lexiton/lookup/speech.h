// Speech output through the outside library "voicer.dll": Speak(text, language) with 0 for the
// source (English) voice and 1 for the target (Hungarian) voice, and ResetSpeak() that drops
// what is queued. The pipeline only decides what to say; tests hand it a recorder.
#pragma once

#include <lexiton/settings_keys.h>

#include <memory>
#include <string>
#include <string_view>

namespace lexiton::lookup {

class Speech {
 public:
  static constexpr int kSourceLanguage = 0;
  static constexpr int kTargetLanguage = 1;

  virtual ~Speech() = default;
  virtual void reset() = 0;
  virtual void speak(std::string_view text, int language) = 0;
};

// Loads `file` through the platform's library search and binds Speak and ResetSpeak by name.
// Null when the library is missing or lacks either entry (speech is then simply off).
std::unique_ptr<Speech> loadSpeechLibrary(const std::string& file);

// Whether the audio settings keep speech on: the source section's State exactly "On", or else
// the destination section's. `readState(section)` returns a section's State value.
template <class ReadState>
bool speechWanted(ReadState&& readState) {
  if (readState(settings::audio::kSourceSection) == "On") return true;
  return readState(settings::audio::kDestinationSection) == "On";
}

}  // namespace lexiton::lookup
