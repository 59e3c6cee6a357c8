// The speech engine of the system, SAPI 5's ISpVoice, used only on the speaking thread that
// initialised COM for it. Speaks asynchronously (SAPI keeps its own queue), with an English
// voice for the source language and a Hungarian one for the target language when such voices
// are installed, the default voice otherwise.
#pragma once

#include <memory>

#include "speech_queue.h"

namespace lexiton::voicer {

// Null when the system has no speech engine (CoCreateInstance of SpVoice fails).
std::unique_ptr<Voice> makeSapiVoice();

}  // namespace lexiton::voicer
