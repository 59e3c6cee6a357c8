// The offline English-Hungarian translator: the sentence around the pointer, translated word
// by word and phrase by phrase from the compiled dictionary into the reply markup the client
// lays out. Deterministic and bounded; safe to call from several threads at once.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "lexiton/dictionary.h"

namespace lexiton::lexicon {
class CoreLexicon;
}

namespace lexiton::translator {

// The reply to a text that is not English: its message number, then its text.
inline constexpr char kNotEnglishReply[] = "1010 The text is not english.";
// A sense longer than this is a gloss, not a translation; it is cut.
inline constexpr std::size_t kMaxSenseBytes = 96;
// The largest reply: two alternatives of a kMaxSentenceChars sentence, every character a
// ten-byte reference in source and target, and the tags around them.
inline constexpr std::size_t kMaxReplyBytes = 96u * 1024u;

struct Translation {
  int code = 0;  // 0: `reply` is the markup; 1: `reply` is "<message number> <text>"
  std::string reply;
};

class Translator {
 public:
  // Without a core lexicon the dictionary alone answers.
  explicit Translator(Dictionary dictionary);
  Translator(Dictionary dictionary, lexicon::CoreLexicon core);
  ~Translator();
  // The dictionary at `path` and the core lexicon beside it (kCoreLexiconFileName). Throws
  // std::runtime_error (Dictionary::cExc, CoreLexicon::cExc) when either is missing or damaged.
  static Translator fromFile(const std::string& path);

  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;
  Translator(Translator&&) noexcept;
  Translator& operator=(Translator&&) noexcept;

  // `encodedText` is the query text of the client (see lexiton/protocol/query_text.h). Throws only
  // std::bad_alloc.
  Translation translate(std::string_view encodedText) const;

  const Dictionary& dictionary() const { return dictionary_; }

 private:
  Dictionary dictionary_;
  std::unique_ptr<const lexicon::CoreLexicon> core_;
};

}  // namespace lexiton::translator
