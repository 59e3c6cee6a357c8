#include <tippaint/result_walk.h>

#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>

#include <cstring>

namespace tippaint {
namespace {

std::optional<ResultKind> painted_kind(const lexiton::ChunkTag& tag) {
  const std::string_view name(tag.data(), tag.size());
  if (name == lexiton::chunk_tags::kDocuments) return ResultKind::Rtf;
  if (name == lexiton::chunk_tags::kPlainList) return ResultKind::PlainList;
  if (name == lexiton::chunk_tags::kStyledPlainList) return ResultKind::StyledPlainList;
  return std::nullopt;
}

std::uint64_t word_at(const std::uint8_t* p, std::size_t word_size) {
  std::uint64_t word = 0;
  for (std::size_t i = word_size; i-- > 0;) word = word << 8 | p[i];
  return word;
}

}  // namespace

std::optional<PaintableChunk> find_paintable_chunk(const std::uint8_t* list, std::size_t size) {
  if (!list) return std::nullopt;
  std::optional<PaintableChunk> found;
  try {
    lexiton::ChunkView(list, size).forEach([&](const lexiton::Chunk& chunk) {
      if (auto kind = painted_kind(chunk.tag)) {
        found = PaintableChunk{*kind, chunk.data, chunk.size};
        return false;
      }
      return true;
    });
  } catch (const lexiton::chunk_error&) {
    // A fault after the painted chunk does not matter; one before it leaves nothing to paint.
  }
  return found;
}

RtfPayloadStep next_rtf_payload_step(std::string_view payload, std::size_t at) {
  for (; at < payload.size(); ++at) {
    if (payload.substr(at, kRtfDocumentStart.size()) == kRtfDocumentStart)
      return {RtfPayloadStep::Kind::Document, at};
    if (payload[at] == '-') return {RtfPayloadStep::Kind::Rule, at};
  }
  return {RtfPayloadStep::Kind::End, payload.size()};
}

std::optional<PlainListWords> read_plain_list_words(const std::uint8_t* payload, std::uint32_t size,
                                                    std::size_t word_size) {
  if (word_size != 4 && word_size != 8) return std::nullopt;
  const std::size_t words = size / word_size;
  if (!payload || words == 0) return std::nullopt;
  const auto word = [&](std::size_t i) { return word_at(payload + word_size * i, word_size); };
  PlainListWords list;
  list.headword = word(0);
  std::size_t i = 1;
  while (i < words) {
    const std::uint64_t first = word(i);
    if (first != 0) {
      if (i + 2 > words) break;
      list.entries.push_back({false, first, word(i + 1)});
      i += 2;
      continue;
    }
    if (i + 3 > words) break;
    const std::uint64_t text = word(i + 1);
    if (text == 0) break;
    list.entries.push_back({true, text, word(i + 2)});
    i += 3;
  }
  list.cut = i < words;
  return list;
}

}  // namespace tippaint
