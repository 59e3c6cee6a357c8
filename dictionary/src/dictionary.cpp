// Loading and validating the compiled dictionary image, and exact look-up by key.
//
// Layout (all integers little-endian 32-bit):
//   "LXDC0001", count, stringsSize, count x {keyOff, keyLen, bodyOff, bodyLen}, strings.
// Offsets are relative to the start of the strings; keys are sorted bytewise; a body is
// "headword\npronunciation\nsense\nsense...".
#include "lexiton/dictionary.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

namespace lexiton {
namespace {
constexpr std::string_view kMagic = "LXDC0001";
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kRecordSize = 16;

uint32_t readU32(std::string_view b, std::size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
}  // namespace

Dictionary Dictionary::loadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw cExc("dictionary file cannot be opened: " + path);
  in.seekg(0, std::ios::end);
  auto len = in.tellg();
  if (len < 0 || std::size_t(len) > kMaxFileSize) throw cExc("dictionary file too large");
  in.seekg(0);
  std::string bytes(std::size_t(len), '\0');
  if (!in.read(bytes.data(), len)) throw cExc("dictionary file cannot be read");
  return fromBytes(std::move(bytes));
}

Dictionary Dictionary::fromBytes(std::string bytes) {
  Dictionary d;
  d.bytes_ = std::move(bytes);
  d.validate();
  return d;
}

void Dictionary::validate() {
  std::string_view b = bytes_;
  if (b.size() < kHeaderSize || b.substr(0, 8) != kMagic) throw cExc("not a dictionary file");
  uint64_t count = readU32(b, 8), strings = readU32(b, 12);
  uint64_t need = kHeaderSize + count * kRecordSize + strings;
  if (need != b.size()) throw cExc("dictionary file truncated or damaged (size)");
  count_ = std::size_t(count);
  stringsStart_ = std::size_t(kHeaderSize + count * kRecordSize);
  std::string_view prev;
  for (std::size_t i = 0; i < count_; ++i) {
    std::size_t r = kHeaderSize + i * kRecordSize;
    uint64_t ko = readU32(b, r), kl = readU32(b, r + 4), bo = readU32(b, r + 8), bl = readU32(b, r + 12);
    if (ko + kl > strings || bo + bl > strings || kl == 0 || kl > kMaxKeyLength)
      throw cExc("dictionary file damaged (entry outside the file)");
    std::string_view k = b.substr(stringsStart_ + ko, kl);
    if (i > 0 && !(prev < k)) throw cExc("dictionary file damaged (keys out of order)");
    prev = k;
  }
  // At most half full; a record takes 16 bytes of the image, so the index adds at most half
  // the image's size.
  std::size_t slots = 16;
  while (slots < 2 * count_) slots *= 2;
  slots_.assign(slots, 0);
  for (std::size_t i = 0; i < count_; ++i) slots_[slotOf(key(i))] = static_cast<std::uint32_t>(i + 1);
}

// The slot that holds `k`, or the empty slot where it would go (linear probing; the keys are
// unique, as their strict order shows).
std::size_t Dictionary::slotOf(std::string_view k) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t s = std::hash<std::string_view>{}(k)&mask;; s = (s + 1) & mask)
    if (slots_[s] == 0 || key(slots_[s] - 1) == k) return s;
}

std::string_view Dictionary::key(std::size_t i) const {
  std::string_view b = bytes_;
  std::size_t r = kHeaderSize + i * kRecordSize;
  return b.substr(stringsStart_ + readU32(b, r), readU32(b, r + 4));
}

bool Dictionary::findExact(std::string_view k, DictionaryEntry& out) const {
  if (slots_.empty()) return false;
  const std::uint32_t found = slots_[slotOf(k)];
  if (found == 0) return false;
  const std::size_t lo = found - 1;
  std::string_view b = bytes_;
  std::size_t r = kHeaderSize + lo * kRecordSize;
  std::string_view body = b.substr(stringsStart_ + readU32(b, r + 8), readU32(b, r + 12));
  out = DictionaryEntry{};
  int field = 0;
  while (true) {
    std::size_t nl = body.find('\n');
    std::string_view line = body.substr(0, nl);
    if (field == 0)
      out.headword = line;
    else if (field == 1)
      out.pronunciation = line;
    else if (!line.empty())
      out.senses.emplace_back(line);
    ++field;
    if (nl == std::string_view::npos) break;
    body.remove_prefix(nl + 1);
  }
  out.key = std::string(k);
  return !out.senses.empty();
}

}  // namespace lexiton
