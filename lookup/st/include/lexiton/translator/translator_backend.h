// The stand-alone library's answer to a look-up: the translator in-process, no network. The
// host loads the stand-alone library exactly when it is not in server mode, so this backend
// serves whatever the settings say.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "lexiton/lookup/query_backend.h"

namespace lexiton::translator {

class Translator;

class TranslatorBackend final : public lookup::QueryBackend {
 public:
  // Loads the compiled dictionary now; a missing or damaged file does not fail here, every
  // query then ends with 1503 so the user sees why nothing is translated.
  explicit TranslatorBackend(const std::string& dictionaryPath);
  ~TranslatorBackend() override;
  TranslatorBackend(const TranslatorBackend&) = delete;
  TranslatorBackend& operator=(const TranslatorBackend&) = delete;

  // 0 with the reply markup, 1 with "<number> <text>" for a text that is not English, 1503
  // without a dictionary, 1504 when the translation itself failed.
  int query(std::string_view url, std::string_view text, int mode, std::string& out) override;
  // A translation runs to its end in the caller's thread: there is nothing to cancel.
  int cancelQuery() override { return -1; }
  int close() override { return 0; }

  bool ready() const { return translator_ != nullptr; }

 private:
  std::unique_ptr<const Translator> translator_;
};

}  // namespace lexiton::translator
