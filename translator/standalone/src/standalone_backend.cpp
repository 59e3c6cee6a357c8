// LexitonSt's backend: the translator over the dictionary beside the library, always, since
// the host loads this library only when server mode is off.
#include "lexiton/dictionary.h"
#include "lexiton/translator/translator_backend.h"

namespace lexiton::lookup {

std::unique_ptr<QueryBackend> makeQueryBackend(Profile&, bool, const std::string& moduleDir) {
  return std::make_unique<translator::TranslatorBackend>(moduleDir + kDictionaryFileName);
}

}  // namespace lexiton::lookup
