// The writer side of the format dictionary.cpp reads (see there for the layout).
#include "lexiton/dictionary_image.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <stdexcept>

namespace lexiton {
namespace {

// uint64_t: a 64-bit size_t can exceed the format's 32 bits, a 32-bit one never does.
void put32(std::string& o, uint64_t v) {
  if (v > 0xFFFFFFFFu) throw std::length_error("dictionary too large");
  for (int i = 0; i < 4; ++i) o += char((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string dictionaryImage(const std::map<std::string, DictionaryEntry>& byKey) {
  std::string table, strings;
  for (const auto& [key, e] : byKey) {
    std::string body = e.headword + "\n" + e.pronunciation;
    for (const std::string& s : e.senses) body += "\n" + s;
    put32(table, strings.size());
    put32(table, key.size());
    strings += key;
    put32(table, strings.size());
    put32(table, body.size());
    strings += body;
  }
  std::string out = "LXDC0001";
  put32(out, byKey.size());
  put32(out, strings.size());
  out += table;
  out += strings;
  return out;
}

std::string compileDictionaryImage(const std::vector<DictionaryEntry>& entries) {
  std::map<std::string, DictionaryEntry> byKey;
  for (const DictionaryEntry& e : entries) {
    std::string key;
    for (char c : e.headword) key += char(std::tolower(uint8_t(c)));
    if (!key.empty() && key.size() <= Dictionary::kMaxKeyLength) byKey.emplace(key, e);
  }
  return dictionaryImage(byKey);
}

}  // namespace lexiton
