// The in-process backend over the translator.
#include "lexiton/translator/translator_backend.h"

#include "lexiton/protocol/result_codes.h"
#include "lexiton/translator/translator.h"

namespace lexiton::translator {
namespace {
constexpr int kInitialisationError = 1503;
constexpr int kProcessingError = 1504;
}  // namespace

TranslatorBackend::TranslatorBackend(const std::string& dictionaryPath) {
  try {
    translator_ = std::make_unique<const Translator>(Translator::fromFile(dictionaryPath));
  } catch (const std::exception&) {
    // translator_ stays empty: every query answers 1503 (see query).
  }
}

TranslatorBackend::~TranslatorBackend() = default;

int TranslatorBackend::query(std::string_view, std::string_view text, int, std::string& out) {
  out.clear();
  if (!translator_) {
    out = protocol::resultMessage(kInitialisationError);
    return kInitialisationError;
  }
  try {
    Translation r = translator_->translate(text);
    out = std::move(r.reply);
    return r.code;
  } catch (...) {
    out = protocol::resultMessage(kProcessingError);
    return kProcessingError;
  }
}

}  // namespace lexiton::translator
