// The markup of a translation reply: written by the translator (on the server and in the
// stand-alone library), read by the client's look-up pipeline and its style sheet. A reply is a
// sequence of alternatives, each a source and a target; a reply that translated nothing carries
// only the source.
#pragma once

#include <string>
#include <string_view>

namespace lexiton::protocol::markup {

struct Tag {
  std::string_view open;
  std::string_view close;
};

inline constexpr Tag kAlternativeSource{"<surf-ss>", "</surf-ss>"};
inline constexpr Tag kAlternativeTarget{"<surf-st>", "</surf-st>"};
inline constexpr Tag kUntranslatedSource{"<surf-source>", "</surf-source>"};
// Inside a source: the unit under the pointer, a word the dictionary does not know, a misspelt
// word and the spelling suggested for it.
inline constexpr Tag kPointed{"<HL>", "</HL>"};
inline constexpr Tag kUnknownWord{"<orig>", "</orig>"};
inline constexpr Tag kMisspelt{"<badword>", "</badword>"};
inline constexpr Tag kSuggestion{"<suggest>", "</suggest>"};
// Inside a target: one translated piece; more than one is a mosaic translation.
inline constexpr Tag kPiece{"<chunk>", "</chunk>"};

// `text` between the tag's opening and closing.
inline std::string wrapped(const Tag& tag, std::string_view text) {
  std::string out;
  out.reserve(tag.open.size() + text.size() + tag.close.size());
  out.append(tag.open).append(text).append(tag.close);
  return out;
}

}  // namespace lexiton::protocol::markup
