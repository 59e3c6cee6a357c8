// The speech engine of the system, SAPI 5's ISpVoice, used only on the speaking thread that
// initialised COM for it. Speaks asynchronously (SAPI keeps its own queue), with an English
// voice for the source language and a Hungarian one for the target language when such voices
// are installed, the default voice otherwise.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <memory>

#include "speech_queue.h"

namespace lexiton::voicer {

// Null when the system has no speech engine (CoCreateInstance of SpVoice fails).
std::unique_ptr<Voice> makeSapiVoice();

// COM for the calling thread (the speaking thread), released when the owner goes.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace lexiton::voicer
