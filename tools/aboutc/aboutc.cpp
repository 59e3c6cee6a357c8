// aboutc: builds the about-text file "kvo.cri" from readable RTF sources.
//
//   aboutc OUTPUT TAG=SOURCE.rtf [TAG=SOURCE.rtf ...]
//
// Each source becomes one chunk under its language tag ("1038" Hungarian, "0000" every other
// language), zlib-compressed, in a ChunkList. Plain C++ and zlib, so the cross build can compile
// it with the host compiler.
#include <lexiton/chunk_list.h>
#include <lexiton/lookup/about_texts.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kMaxTagLength = 4;

bool readSource(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  // Trailing line ends of the source file are not part of the document.
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return true;
}

bool deflate(const std::string& text, std::string& out) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  out.assign(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
                static_cast<uLong>(text.size()), Z_BEST_COMPRESSION) != Z_OK)
    return false;
  out.resize(size);
  return true;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "aboutc: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return fail("usage: aboutc OUTPUT TAG=SOURCE.rtf [TAG=SOURCE.rtf ...]");
  lexiton::VectorStore store;
  lexiton::ChunkList list(store);
  list.clear();
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const auto eq = arg.find('=');
    if (eq == std::string_view::npos || eq == 0 || eq > kMaxTagLength)
      return fail("expected TAG=SOURCE with a tag of 1 to 4 characters: " + std::string(arg));
    const std::string tag(arg.substr(0, eq));
    const std::string path(arg.substr(eq + 1));
    if (list.find(tag)) return fail("tag given twice: " + tag);
    std::string text;
    if (!readSource(path, text)) return fail("cannot read " + path);
    if (text.size() > lexiton::lookup::kMaxAboutText)
      return fail(path + " is larger than an about text can be");
    if (text.rfind("{\\rtf1", 0) != 0) return fail(path + " is not an RTF document");
    std::string packed;
    if (!deflate(text, packed)) return fail("cannot compress " + path);
    if (!list.add(tag, packed)) return fail("cannot add " + tag);
  }
  const std::string output = argv[1];
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(store.data()), static_cast<std::streamsize>(store.size()));
  if (!out) return fail("cannot write " + output);
  return 0;
}
