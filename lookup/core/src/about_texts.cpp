// Reading "kvo.cri". Any fault in the file only leaves the about box empty.
#include "lexiton/lookup/about_texts.h"

#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>
#include <zlib.h>

namespace lexiton::lookup {

namespace {
using chunk_tags::kAnyLanguage;
constexpr std::size_t kTagLength = 4;
}  // namespace

std::string aboutTag(std::string_view userLanguage) {
  if (userLanguage.size() < kTagLength) return std::string(kAnyLanguage);
  return std::string(userLanguage.substr(0, kTagLength));
}

std::optional<std::string> inflateAboutText(std::string_view compressed) {
  std::string text;
  for (std::size_t room = kAboutTextStep; room <= kMaxAboutText; room += kAboutTextStep) {
    text.resize(room);
    uLongf length = static_cast<uLongf>(room);
    const int rc =
        uncompress(reinterpret_cast<Bytef*>(text.data()), &length,
                   reinterpret_cast<const Bytef*>(compressed.data()), static_cast<uLong>(compressed.size()));
    if (rc == Z_OK) {
      text.resize(length);
      return text;
    }
    if (rc != Z_BUF_ERROR) return std::nullopt;
  }
  return std::nullopt;
}

std::vector<std::string> aboutTextsFromBytes(const std::uint8_t* data, std::size_t size,
                                             std::string_view userLanguage) {
  std::vector<std::string> texts;
  try {
    const ChunkView list(data, size);
    auto chunk = list.find(aboutTag(userLanguage));
    if (!chunk) chunk = list.find(kAnyLanguage);
    if (!chunk) return texts;
    if (auto text = inflateAboutText(chunk->text())) texts.push_back(std::move(*text));
  } catch (const chunk_error&) {
    texts.clear();
  }
  return texts;
}

std::vector<std::string> readAboutTexts(const std::string& file, std::string_view userLanguage) {
  VectorStore store;
  ChunkList list(store);
  if (!list.loadFile(file)) return {};
  return aboutTextsFromBytes(store.data(), store.size(), userLanguage);
}

}  // namespace lexiton::lookup
