// The in-process backend over the translator.
#include "lexiton/translator/translator_backend.h"

#include "lexiton/protocol/result_codes.h"
#include "lexiton/translator/translator.h"

namespace lexiton::translator {
using protocol::reportResult;
using protocol::ResultCode;

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
  if (!translator_) return reportResult(ResultCode::Initialisation, out);
  try {
    Translation r = translator_->translate(text);
    out = std::move(r.reply);
    return r.code;
  } catch (...) {
    return reportResult(ResultCode::Processing, out);
  }
}

}  // namespace lexiton::translator
