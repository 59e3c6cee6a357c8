// lexiton-wordlist: the user's word list ("lexidic.db") exported from the command line, with
// the same code and the same bytes as the word-list window's Export, for users who keep their
// data directory on another machine and for the tests.
//
//   lexiton-wordlist export --db FILE --format csv|tsv [--out FILE]
//
// Without --out the export goes to standard output. Exit codes: 0 written; 1 a wrong command
// line; 2 the word list cannot be read (missing, damaged, or not a word list); 3 the output
// cannot be written.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "wordlist/database_file.h"
#include "wordlist/word_export.h"
#include "wordlist/word_list_store.h"

namespace {

using lexiton::host::ExportFormat;

constexpr int kWritten = 0;
constexpr int kUsage = 1;
constexpr int kUnreadable = 2;
constexpr int kUnwritable = 3;

constexpr std::string_view kUsageText =
    "usage: lexiton-wordlist export --db FILE --format csv|tsv [--out FILE]\n"
    "  csv: UTF-8 with a byte-order mark, for spreadsheets\n"
    "  tsv: tab-separated flash cards (front: the sentence with the word in bold; back: the\n"
    "       Hungarian senses and the sentence's translation), for Anki's text import\n"
    "exit codes: 0 written, 1 wrong command line, 2 word list unreadable, 3 output unwritable\n";

struct Options {
  std::string db;
  ExportFormat format = ExportFormat::csv;
  std::optional<std::string> out;
};

int usage(std::string_view problem) {
  if (!problem.empty()) std::cerr << "lexiton-wordlist: " << problem << "\n";
  std::cerr << kUsageText;
  return kUsage;
}

// Nothing, with the message written, when the command line is wrong.
std::optional<Options> parse(int argc, char** argv, int& status) {
  status = kUsage;
  if (argc < 2) {
    usage("no command");
    return std::nullopt;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::cout << kUsageText;
    status = kWritten;
    return std::nullopt;
  }
  if (std::strcmp(argv[1], "export") != 0) {
    usage(std::string("unknown command '") + argv[1] + "'");
    return std::nullopt;
  }
  Options options;
  bool haveDb = false;
  bool haveFormat = false;
  for (int i = 2; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) {
      usage(std::string(name) + " needs a value");
      return std::nullopt;
    }
    const std::string value = argv[++i];
    if (name == "--db") {
      options.db = value;
      haveDb = true;
    } else if (name == "--format") {
      if (value == "csv")
        options.format = ExportFormat::csv;
      else if (value == "tsv")
        options.format = ExportFormat::flashCards;
      else {
        usage("--format is csv or tsv, not '" + value + "'");
        return std::nullopt;
      }
      haveFormat = true;
    } else if (name == "--out") {
      options.out = value;
    } else {
      usage("unknown option '" + std::string(name) + "'");
      return std::nullopt;
    }
  }
  if (!haveDb || !haveFormat) {
    usage(!haveDb ? "--db is missing" : "--format is missing");
    return std::nullopt;
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  int status = kUsage;
  const std::optional<Options> options = parse(argc, argv, status);
  if (!options) return status;

  std::string text;
  // Reading a list in write-ahead-log mode leaves an empty log and its index beside it, unless
  // they were there already; those are removed again, so the folder stays as it was.
  const std::string log = options->db + "-wal";
  const std::string index = options->db + "-shm";
  const bool hadLog = lexiton::host::fileExists(log) || lexiton::host::fileExists(index);
  try {
    {
      auto store = lexiton::host::WordListStore::openExisting(
          options->db, lexiton::host::SqliteConnection::Mode::readOnly);
      lexiton::host::appendExport(text, store->words(), options->format);
    }
    if (!hadLog && lexiton::host::fileExists(log) && lexiton::host::fileSize(log) == 0) {
      std::remove(log.c_str());
      std::remove(index.c_str());
    }
  } catch (const lexiton::host::WordListStore::NotWordList&) {
    std::cerr << "lexiton-wordlist: " << options->db << " is not a Lexiton word list\n";
    return kUnreadable;
  } catch (const std::exception& e) {
    std::cerr << "lexiton-wordlist: cannot read " << options->db << ": " << e.what() << "\n";
    return kUnreadable;
  }

  if (!options->out) {
    std::cout.write(text.data(), std::streamsize(text.size()));
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "lexiton-wordlist: cannot write the standard output\n";
      return kUnwritable;
    }
    return kWritten;
  }
  std::ofstream out(*options->out, std::ios::binary | std::ios::trunc);
  out.write(text.data(), std::streamsize(text.size()));
  out.close();
  if (!out) {
    std::cerr << "lexiton-wordlist: cannot write " << *options->out << "\n";
    return kUnwritable;
  }
  return kWritten;
}
