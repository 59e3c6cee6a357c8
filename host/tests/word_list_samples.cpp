#include "word_list_samples.h"

#include <lexiton/test/files.h>

#include <filesystem>

namespace lexiton::host::test {

namespace {

// 2026-12-10 09:00:00 UTC.
constexpr int64_t kMorning = 1796893200;

}  // namespace

std::vector<WordListEntry> ordinaryLookups() {
  std::vector<WordListEntry> entries(3);
  entries[0] = {
      "houses",      "house", "The houses are big.", 4, "házak", "ház\nlakóház\notthon", "A házak nagyok.",
      "notepad.exe", kMorning};
  entries[1] = {"gave",       "give up",         "He gave up smoking last year.",   3,
                "feladta",    "felad\nabbahagy", "Tavaly abbahagyta a dohányzást.", "WINWORD.EXE",
                kMorning + 60};
  entries[2] = {"Houses",      "house", "Houses cost more every year.",  0,
                "házak",       "ház",   "A házak évről évre drágábbak.", "firefox.exe",
                kMorning + 120};
  return entries;
}

std::vector<WordListEntry> awkwardLookups() {
  std::vector<WordListEntry> entries(3);
  entries[0] = {"tüll",
                "",
                "A \"tüll\", of course, is, well, a fabric.",
                3,
                "tüll, \"függöny\"",
                "tüll\nfátyolszövet",
                "A tüll persze egy szövet.",
                "notepad.exe",
                kMorning};
  entries[1] = {"lines",
                "line",
                "Two\nlines\tand a tab, <b>bold</b> & more.",
                4,
                "sorok",
                "sor\r\nvonal\n\tvezeték",
                "Két sor\tés egy tabulátor.",
                "Word, \"Pro\"",
                kMorning + 1};
  entries[2] = {"Őrült",
                "őrült",
                "Őrült ütemű fűnyírás: \"ő\" és \"ű\".",
                0,
                "crazy",
                "őrült\nbolond",
                "Crazy-paced mowing.",
                "árvíztűrő tükörfúrógép.exe",
                kMorning + 2};
  return entries;
}

WordListEntry numberedLookup(int n) {
  const std::string word = "word" + std::to_string(n);
  const std::string before = "This is the sentence, \"quoted\", where ";
  return {word,
          "",
          before + word + " appeared on the page.",
          int64_t(before.size()),
          "szó " + std::to_string(n),
          "szó\nige\nkifejezés",
          "Ez az a mondat, ahol a szó megjelent az oldalon.",
          "firefox.exe",
          kMorning + n};
}

std::string freshFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(lexiton::test::tempPath(name));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}

}  // namespace lexiton::host::test
