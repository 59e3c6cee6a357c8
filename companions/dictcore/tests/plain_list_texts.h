// The texts a "HVR2" list's words point to, read back in the writing process: the headword
// first, then each line, headings marked with "#".
#pragma once

#include <lexiton/chunk_list.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline std::vector<std::string> plainListTexts(const uint8_t* bytes, uint32_t size) {
  const auto chunk = lexiton::ChunkView(bytes, size).find("HVR2");
  if (!chunk) return {};
  std::vector<std::uintptr_t> w(chunk->size / sizeof(std::uintptr_t));
  std::memcpy(w.data(), chunk->data, w.size() * sizeof(std::uintptr_t));
  auto text = [](std::uintptr_t p) { return std::string(reinterpret_cast<const char*>(p)); };
  std::vector<std::string> out{text(w[0])};
  for (std::size_t i = 1; i < w.size();) {
    if (w[i] == 0) {
      out.push_back("#" + text(w[i + 1]));
      i += 3;
    } else {
      out.push_back(text(w[i]));
      i += 2;
    }
  }
  return out;
}
