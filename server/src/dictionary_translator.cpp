// The handler's translate step over lexiton::translator::Translator.
#include "lexiton/server/dictionary_translator.h"

#include <filesystem>

#include "lexiton/translator/translator.h"

namespace lexiton::server {

TranslateFn translatorFunction(std::shared_ptr<const translator::Translator> t) {
  return [t = std::move(t)](const std::string& text) {
    translator::Translation r = t->translate(text);
    return TranslateResult{r.code, std::move(r.reply)};
  };
}

TranslateFn dictionaryTranslator(const std::string& path) {
  return translatorFunction(
      std::make_shared<const translator::Translator>(translator::Translator::fromFile(path)));
}

std::string defaultDictionaryPath() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::filesystem::path dir = ec ? std::filesystem::current_path() : self.parent_path();
  return (dir / kDictionaryFileName).string();
}

}  // namespace lexiton::server
