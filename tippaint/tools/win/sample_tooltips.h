// Typical tooltips as look-up results, shared by the painting benchmark and the pixel test:
// one alternative, three alternatives with a note and a footer, a long sentence that wraps,
// and a plain "HVR2" list. Each also comes as the RTF documents the platform's rich-edit
// control is given for the same text, so both painters can be timed on one tooltip.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tippaint::win {

using Bytes = std::vector<std::uint8_t>;

// A ChunkList of the given chunks, in order.
Bytes chunk_list(std::initializer_list<std::pair<std::string_view, std::string_view>> chunks);

// A plain list as a producer in this process writes it: pointer-sized words pointing at texts
// this object keeps (so it must outlive every paint of its bytes).
class PlainList {
 public:
  explicit PlainList(std::string headword) { text(std::move(headword)); }
  void line(std::string t, std::uintptr_t style = 0);
  void heading(std::string t, std::uintptr_t style = 0);
  Bytes bytes(std::string_view tag) const;

 private:
  struct Word {
    int text = -1;  // index into texts_, or -1 for a plain value
    std::uintptr_t value = 0;
  };
  void text(std::string t);
  void value(std::uintptr_t v) { words_.push_back({-1, v}); }

  std::deque<std::string> texts_;  // c_str() pointers stay put as texts are added
  std::vector<Word> words_;
};

struct SampleTooltip {
  std::string name;
  Bytes result;                            // what TipPaint is given
  std::vector<std::string> rich_edit_rtf;  // the same documents, one stream each
};

// The benchmark's tooltips. The plain list's texts live as long as the program.
const std::vector<SampleTooltip>& sample_tooltips();

}  // namespace tippaint::win
