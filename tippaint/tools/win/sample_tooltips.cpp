#include "sample_tooltips.h"

#include <lexiton/abi.h>
#include <lexiton/byte_store.h>
#include <lexiton/chunk_list.h>

namespace tippaint::win {
namespace {

// The document head the client library writes: Central European fonts and its colours.
const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}{\\f1\\fswiss\\fcharset238 Tahoma;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue0;"
    "\\red96\\green96\\blue96;"
    "\\red192\\green0\\blue0;}"
    "\\pard\\plain\\f0\\fs16 ";

std::string alternative(const std::string& source, const std::string& target) {
  return std::string(kHeader) + "{\\pard\\plain\\f0\\fs16\\cf2 " + source + "\\par}" +
         "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i " + target + "\\par}}";
}

std::string notes_and_footer(const std::string& note) {
  return std::string(kHeader) + "{\\pard\\plain\\f0\\fs16\\cf4\\i " + note + "\\par}" +
         "{\\pard\\plain\\f0\\fs8 \\par}" + "{\\pard\\plain\\f1\\fs14\\cf4 Lexiton online translation\\par}}";
}

// Documents joined as the client library joins them: a "-" asks for a rule between two.
SampleTooltip rtf_tooltip(std::string name, const std::vector<std::string>& documents, std::string plain) {
  std::string payload;
  for (const std::string& d : documents) payload += (payload.empty() ? "" : "-") + d;
  return {std::move(name), chunk_list({{"QXR1", payload}, {"plai", plain}}), documents};
}

SampleTooltip one_alternative() {
  return rtf_tooltip("one alternative",
                     {alternative("The {\\b houses} are big.", "A {\\b h\\'e1zak} nagyok."),
                      notes_and_footer("unknown words underlined")},
                     "The houses are big. = A h\xe1zak nagyok.");
}

// The same three-alternative result as samples/three_alternatives.chunks.
SampleTooltip three_alternatives() {
  return rtf_tooltip("three alternatives",
                     {alternative("The {\\b houses} are big.", "A {\\b h\\'e1zak} nagyok."),
                      alternative("The houses are {\\b big}.", "A h\\'e1zak {\\b nagyok}."),
                      alternative("{\\b The houses} are big.", "{\\b A h\\'e1zak} nagyok."),
                      notes_and_footer("mosaic translation")},
                     "The houses are big. = A h\xe1zak nagyok.");
}

SampleTooltip long_sentence() {
  const std::string source =
      "When the old {\\b ferryman} finally reached the far bank of the river, the travellers who had "
      "waited since dawn in the cold rain climbed aboard without a word, and the boat, heavy with "
      "their baskets, sacks and the grey dog that followed them everywhere, began its slow journey "
      "back across the water.";
  const std::string target =
      "Amikor az {\\b \\'f6reg r\\'e9v\\'e9sz} v\\'e9gre el\\'e9rte a foly\\'f3 t\\'falpartj\\'e1t, "
      "az utaz\\'f3k, akik hajnal \\'f3ta v\\'e1rtak a hideg es\\'f5ben, sz\\'f3 n\\'e9lk\\'fcl "
      "sz\\'e1lltak be, \\'e9s a cs\\'f3nak, amelyet kosaraik, zs\\'e1kjaik \\'e9s a mindenhov\\'e1 "
      "k\\'f6vet\\'f5 sz\\'fcrke kutya nehez\\'edtett, lassan elindult vissza a v\\'edzen \\'e1t.";
  return rtf_tooltip("long sentence", {alternative(source, target), notes_and_footer("mosaic translation")},
                     "When the old ferryman finally reached the far bank of the river...");
}

SampleTooltip plain_list() {
  // The texts stay where the list's words point for as long as the program runs.
  static const PlainList list = [] {
    PlainList l("house");
    l.heading("noun");
    l.line("h\xe1z");
    l.line("h\xe1z\xe9p\xfclet, \xe9p\xfclet");
    l.line(
        "csal\xe1"
        "d, h\xe1zn\xe9p");
    l.heading("verb");
    l.line("elsz\xe1ll\xe1sol, befogad");
    l.line("t\xe1rol, elhelyez");
    return l;
  }();
  std::string rtf = std::string(kHeader) + "{\\pard\\plain\\f0\\fs16\\b house\\par}";
  for (const char* line :
       {"noun", "h\\'e1z", "h\\'e1z\\'e9p\\'fclet, \\'e9p\\'fclet", "csal\\'e1d, h\\'e1zn\\'e9p", "verb",
        "elsz\\'e1ll\\'e1sol, befogad", "t\\'e1rol, elhelyez"})
    rtf += std::string("{\\pard\\plain\\f0\\fs16 ") + line + "\\par}";
  rtf += "}";
  return {"plain list", list.bytes("HVR2"), {rtf}};
}

}  // namespace

Bytes chunk_list(std::initializer_list<std::pair<std::string_view, std::string_view>> chunks) {
  lexiton::VectorStore store;
  lexiton::ChunkList list(store);
  list.clear();
  for (auto [tag, data] : chunks) list.add(tag, data);
  return store.bytes();
}

void PlainList::line(std::string t, std::uintptr_t style) {
  text(std::move(t));
  value(style);
}

void PlainList::heading(std::string t, std::uintptr_t style) {
  value(0);
  text(std::move(t));
  value(style);
}

Bytes PlainList::bytes(std::string_view tag) const {
  static_assert(sizeof(std::uintptr_t) == LX_PLAIN_LIST_WORD_SIZE);
  std::string payload;
  for (const Word& w : words_) {
    const std::uintptr_t v =
        w.text < 0 ? w.value : reinterpret_cast<std::uintptr_t>(texts_[std::size_t(w.text)].c_str());
    payload.append(reinterpret_cast<const char*>(&v), sizeof v);
  }
  return chunk_list({{tag, payload}});
}

void PlainList::text(std::string t) {
  texts_.push_back(std::move(t));
  words_.push_back({int(texts_.size() - 1), 0});
}

const std::vector<SampleTooltip>& sample_tooltips() {
  static const std::vector<SampleTooltip> samples{one_alternative(), three_alternatives(), long_sentence(),
                                                  plain_list()};
  return samples;
}

}  // namespace tippaint::win
