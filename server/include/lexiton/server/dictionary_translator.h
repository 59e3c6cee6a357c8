// The translator the server answers with: the offline translator over the compiled dictionary.
#pragma once

#include <memory>
#include <string>

#include "lexiton/server/handler.h"

namespace lexiton::translator {
class Translator;
}

namespace lexiton::server {

// Loads the compiled dictionary at `path`; throws lexiton::Dictionary::cExc when it is missing
// or damaged, so the server refuses to start rather than answer without it.
TranslateFn dictionaryTranslator(const std::string& path);

// The handler's view of a translator that is already loaded (tests, fuzzing).
TranslateFn translatorFunction(std::shared_ptr<const translator::Translator> translator);

// The dictionary's default place: beside the running program.
std::string defaultDictionaryPath();

}  // namespace lexiton::server
