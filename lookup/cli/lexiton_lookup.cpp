// lexiton-lookup: one look-up through a look-up library, the way the host makes it.
//
//   lexiton-lookup [--lib FILE] [--ini FILE] [--cursor N] [--footer TEXT] [--source NAME]
//                  [--not-found TEXT] [--out FILE] TEXT...
//
// Calls KVInit with the settings file, SetMode(1, 3) and Lookup, then prints the return value,
// the count, the "plai" text and each "QXR1" document; --out writes the whole result list.
// --lib names the look-up library: LexitonClt.dll by default on Windows; natively the client
// library is linked in, and --lib loads a shared object with the same exports instead (with a
// path, e.g. ./libLexitonSt.so).
// Exit status: 0 when Lookup produced a result, 1 when it did not, 2 on a usage or load error.
#include <lexiton/abi.h>
#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>
#include <lexiton/settings_keys.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "lookup_entries.h"

namespace {

struct Options {
  std::string library;  // empty: the default library
  std::string ini{lexiton::settings::kFileName};
  unsigned cursor = 0;
  std::string footer;
  std::string source = "Trigger";
  std::string notFound = "No translation found.";
  std::string out;
  std::string text;
};

int usage(const char* problem) {
  std::fprintf(stderr,
               "lexiton-lookup: %s\n"
               "usage: lexiton-lookup [--lib FILE] [--ini FILE] [--cursor N] [--footer TEXT]\n"
               "                      [--source NAME] [--not-found TEXT] [--out FILE] TEXT...\n",
               problem);
  return 2;
}

bool parse(int argc, char** argv, Options& o, std::string& problem) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) {
        problem = arg + " needs a value";
        return false;
      }
      into = argv[++i];
      return true;
    };
    std::string number;
    if (arg == "--lib") {
      if (!value(o.library)) return false;
    } else if (arg == "--ini") {
      if (!value(o.ini)) return false;
    } else if (arg == "--cursor") {
      if (!value(number)) return false;
      char* end = nullptr;
      const unsigned long n = std::strtoul(number.c_str(), &end, 10);
      if (number.empty() || *end) {
        problem = "--cursor needs a number";
        return false;
      }
      o.cursor = static_cast<unsigned>(n);
    } else if (arg == "--footer") {
      if (!value(o.footer)) return false;
    } else if (arg == "--source") {
      if (!value(o.source)) return false;
    } else if (arg == "--not-found") {
      if (!value(o.notFound)) return false;
    } else if (arg == "--out") {
      if (!value(o.out)) return false;
    } else {
      if (!o.text.empty()) o.text += ' ';
      o.text += arg;
    }
  }
  return true;
}

void printDocuments(std::string_view documents) {
  int n = 0;
  std::size_t from = 0;
  while (from < documents.size()) {
    std::size_t next = documents.find("-{\\rtf1", from);
    if (next == std::string_view::npos) next = documents.size();
    std::printf("QXR1 document %d:\n%.*s\n", ++n, static_cast<int>(next - from), documents.data() + from);
    from = next + 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::string problem;
  if (!parse(argc, argv, o, problem)) return usage(problem.c_str());

  lexiton::cli::LookupEntries entries;
  std::string error;
  if (!lexiton::cli::loadLookupEntries(o.library, entries, error)) return usage(error.c_str());

  if (entries.init(nullptr, o.ini.c_str()) != 0) {
    std::fprintf(stderr, "lexiton-lookup: KVInit failed for %s\n", o.ini.c_str());
    return 2;
  }
  entries.setMode(1, 3);

  const std::u16string text = lexiton::cli::argumentText(o.text.c_str());
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size())};
  std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
  LxByteArray result{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
  int count = 0;
  int reserved = -1;
  bool quit = false;
  const bool produced = entries.lookup(&wide, o.cursor, &result, &count, &reserved, o.notFound.c_str(), &quit,
                                       o.footer.c_str(), o.source.c_str());

  std::printf("return: %s\ncount: %d\n", produced ? "true" : "false", count);
  bool sound = produced;
  if (quit) std::printf("quit: true\n");
  if (produced) {
    try {
      const lexiton::ChunkView list(result.data, result.size);
      if (auto plain = list.find(lexiton::chunk_tags::kPlainText)) {
        std::printf("plai: %.*s\n", static_cast<int>(plain->size),
                    reinterpret_cast<const char*>(plain->data));
      }
      if (auto documents = list.find(lexiton::chunk_tags::kDocuments)) printDocuments(documents->text());
    } catch (const lexiton::chunk_error& e) {
      std::fprintf(stderr, "lexiton-lookup: malformed result: %s\n", e.what());
      sound = false;
    }
  }
  if (!o.out.empty()) {
    std::ofstream out(o.out, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(result.data), result.size);
    if (!out) {
      std::fprintf(stderr, "lexiton-lookup: cannot write %s\n", o.out.c_str());
      sound = false;
    }
  }
  entries.exit(0, nullptr);
  entries.close();
  return sound ? 0 : 1;
}
