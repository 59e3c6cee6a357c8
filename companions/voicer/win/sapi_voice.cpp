#include "sapi_voice.h"

#include <windows.h>

#include <sapi.h>

#include <lexiton/win/com_ptr.h>

#include <string>

namespace lexiton::voicer {
namespace {

// Language attributes of SAPI voice tokens: hexadecimal language ids.
constexpr const wchar_t* kEnglishVoices[] = {L"Language=409", L"Language=809"};
constexpr const wchar_t* kHungarianVoices[] = {L"Language=40E"};
// How often a wait for the previous voice to finish looks for a purge.
constexpr DWORD kWaitSliceMs = 50;

using lexiton::win::ComPtr;

// The first installed voice with one of `attributes`, or null.
ComPtr<ISpObjectToken> findVoice(const wchar_t* const* attributes, std::size_t count) {
  ComPtr<ISpObjectTokenCategory> category;
  ComPtr<ISpObjectToken> token;
  if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                              reinterpret_cast<void**>(category.put()))) ||
      FAILED(category->SetId(SPCAT_VOICES, FALSE)))
    return token;
  for (std::size_t i = 0; i < count && !token; ++i) {
    ComPtr<IEnumSpObjectTokens> tokens;
    if (SUCCEEDED(category->EnumTokens(attributes[i], nullptr, tokens.put())) && tokens)
      if (tokens->Next(1, token.put(), nullptr) != S_OK) token.reset();
  }
  return token;
}

class SapiVoice final : public Voice {
 public:
  explicit SapiVoice(ComPtr<ISpVoice> voice)
      : voice_(std::move(voice)),
        english_(findVoice(kEnglishVoices, std::size(kEnglishVoices))),
        hungarian_(findVoice(kHungarianVoices, std::size(kHungarianVoices))) {}

  void speak(const std::u16string& text, int language, const std::function<bool()>& interrupted) override {
    ISpObjectToken* wanted = language == kTargetLanguage ? hungarian_.get() : english_.get();
    if (wanted != current_) {
      // A new voice applies to the texts queued after it: let the queued ones finish in theirs.
      while (voice_->WaitUntilDone(kWaitSliceMs) == S_FALSE)
        if (interrupted()) return;
      // A null token selects the default voice.
      if (SUCCEEDED(voice_->SetVoice(wanted))) current_ = wanted;
    }
    if (text.empty()) return;
    const std::wstring wide(text.begin(), text.end());
    voice_->Speak(wide.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr);
  }

  void purge() override { voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr); }

 private:
  ComPtr<ISpVoice> voice_;
  ComPtr<ISpObjectToken> english_, hungarian_;
  ISpObjectToken* current_ = nullptr;  // the default voice at first
};

}  // namespace

std::unique_ptr<Voice> makeSapiVoice() {
  ComPtr<ISpVoice> voice;
  if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                              reinterpret_cast<void**>(voice.put()))) ||
      !voice)
    return nullptr;
  return std::make_unique<SapiVoice>(std::move(voice));
}

}  // namespace lexiton::voicer
