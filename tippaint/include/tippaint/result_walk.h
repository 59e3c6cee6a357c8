// Finding what TipPaint paints in a look-up result: the first RTF or plain-list chunk of the
// ChunkList, the documents and rules inside an RTF chunk, and the entries of a plain list.
// Every read stays inside the buffer the host hands over; a list that lies about a length or
// lacks its terminator ends the walk instead of running past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tippaint {

enum class ResultKind {
  Rtf,             // "QXR1": RTF documents, optionally separated by "-"
  PlainList,       // "HVR2": headword and entries whose style word is an icon bitmap
  StyledPlainList  // "QX2L": the same with a pointer to a ListStyle per entry
};

struct PaintableChunk {
  ResultKind kind;
  const std::uint8_t* data;
  std::uint32_t size;
};

// The first chunk with one of the three painted tags; other chunks are stepped over.
std::optional<PaintableChunk> find_paintable_chunk(const std::uint8_t* list, std::size_t size);

// The walk through an RTF chunk: documents start with "{\rtf1", a "-" between them asks for a
// rule, every other byte (line ends, blanks) is stepped over.
inline constexpr std::string_view kRtfDocumentStart = "{\\rtf1";

struct RtfPayloadStep {
  enum class Kind { Document, Rule, End };
  Kind kind;
  std::size_t offset;  // of the document's "{" or of the "-"
};

// The next step at or after `at`.
RtfPayloadStep next_rtf_payload_step(std::string_view payload, std::size_t at);

// A plain list as words of the producer's process: pointers to NUL-terminated texts, bitmap
// handles or ListStyle records. Word 0 is the headword; then entries of two words (a line: text,
// style) or three (a heading: 0, text, style). A word is as wide as a pointer of the process
// that made it (LX_PLAIN_LIST_WORD_SIZE): 4 bytes in the 32-bit deliverables, 8 in a 64-bit
// build, whose pointers do not fit in 32 bits.
struct PlainListEntry {
  bool heading = false;
  std::uint64_t text = 0;
  std::uint64_t style = 0;
  friend bool operator==(const PlainListEntry&, const PlainListEntry&) = default;
};

struct PlainListWords {
  std::uint64_t headword = 0;
  std::vector<PlainListEntry> entries;
  // True when the words ran out in the middle of an entry, or a heading had no text.
  bool cut = false;
};

// Nothing when the payload does not even hold the headword word, or `word_size` is neither 4
// nor 8. Little-endian words, as every Windows architecture stores them.
std::optional<PlainListWords> read_plain_list_words(const std::uint8_t* payload, std::uint32_t size,
                                                    std::size_t word_size);

// Plain-list texts are read through raw pointers; no line of a tooltip is longer than this.
inline constexpr std::size_t kMaxPlainListText = 4096;

}  // namespace tippaint
