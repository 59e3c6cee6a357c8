// The exports: CSV read back by Python's csv module field for field, flash cards without a
// stray tab or line break, the word marked and the text escaped; and the command-line exporter
// writing the same bytes, with its errors and exit codes.
#include <gtest/gtest.h>
#include <lexiton/test/files.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "word_list_samples.h"
#include "wordlist/word_export.h"
#include "wordlist/word_list_store.h"

namespace lexiton::host {
namespace {

using lexiton::test::readFile;
using lexiton::test::writeFile;

constexpr const char* kPython = "/usr/bin/python3";

std::vector<WordRow> rowsOf(const std::vector<WordListEntry>& entries) {
  std::vector<WordRow> rows;
  int64_t count = 1;
  for (const WordListEntry& entry : entries)
    rows.push_back({entry.word, count++, entry.seen - 60, entry.seen, entry});
  return rows;
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

// Runs a shell command; its exit status.
int run(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string shellQuoted(const std::string& path) { return "'" + path + "'"; }

class WordExportTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test::freshFolder("lexiton_word_export_test"); }
  std::string folder_;
};

TEST_F(WordExportTest, CsvReadsBackFieldForFieldInPythonsCsvModule) {
  std::vector<WordListEntry> entries = test::awkwardLookups();
  for (const WordListEntry& entry : test::ordinaryLookups()) entries.push_back(entry);
  const std::vector<WordRow> rows = rowsOf(entries);
  std::string csv;
  appendExport(csv, rows, ExportFormat::csv);
  ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u) << "no byte-order mark";
  writeFile(folder_ + "/words.csv", csv);

  std::string expected =
      "[[\"Word\",\"Dictionary form\",\"Count\",\"First seen\",\"Last seen\",\"Sentence\","
      "\"Hungarian\",\"Hungarian senses\",\"Translation\",\"Program\"]";
  for (const WordRow& row : rows) {
    const WordListEntry& e = row.latest;
    expected += ",[" + jsonString(e.word) + "," + jsonString(e.dictionaryForm) + "," +
                jsonString(std::to_string(row.count)) + "," + jsonString(formatSeen(row.firstSeen)) + "," +
                jsonString(formatSeen(row.lastSeen)) + "," + jsonString(e.sentence) + "," +
                jsonString(e.hungarian) + "," + jsonString(e.senses) + "," + jsonString(e.translation) + "," +
                jsonString(e.program) + "]";
  }
  writeFile(folder_ + "/expected.json", expected + "]");
  writeFile(folder_ + "/check.py",
            "import csv, json, sys\n"
            "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
            "    rows = list(csv.reader(f, strict=True))\n"
            "with open(sys.argv[2], encoding='utf-8') as f:\n"
            "    expected = json.load(f)\n"
            "if rows != expected:\n"
            "    for got, want in zip(rows, expected):\n"
            "        if got != want: print('got ', got, '\\nwant', want)\n"
            "    print(len(rows), 'rows,', len(expected), 'expected')\n"
            "    sys.exit(1)\n");
  EXPECT_EQ(run(std::string(kPython) + " " + shellQuoted(folder_ + "/check.py") + " " +
                shellQuoted(folder_ + "/words.csv") + " " + shellQuoted(folder_ + "/expected.json")),
            0);
}

TEST_F(WordExportTest, CsvQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(csvField("plain text"), "plain text");
  EXPECT_EQ(csvField("a, b"), "\"a, b\"");
  EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(csvField("carriage\rreturn"), "\"carriage\rreturn\"");
  EXPECT_EQ(csvField("árvíztűrő"), "árvíztűrő");
  EXPECT_EQ(csvField(""), "");
  std::string csv;
  appendExport(csv, rowsOf(test::ordinaryLookups()), ExportFormat::csv);
  // One record per line, each ended by CRLF.
  std::size_t records = 0;
  for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) ++records;
  EXPECT_EQ(records, 1u + 3u);  // the header and three rows; line feeds inside a field end no record
}

TEST_F(WordExportTest, FlashCardsHaveTwoFieldsOnEveryLineAndNoStrayBreaks) {
  std::vector<WordListEntry> entries = test::awkwardLookups();
  WordListEntry everywhere{"a\tb", "c\nd", "e\tf\ng\rh a\tb", -1, "i\tj", "k\tl\r\nm", "n\ro\tp", "q\tr", 5};
  entries.push_back(everywhere);
  std::string cards;
  appendExport(cards, rowsOf(entries), ExportFormat::flashCards);
  EXPECT_EQ(cards.find('\r'), std::string::npos);
  ASSERT_EQ(cards.rfind("#separator:tab\n#html:true\n", 0), 0u);
  std::size_t lines = 0;
  std::size_t start = std::string("#separator:tab\n#html:true\n").size();
  for (std::size_t end = cards.find('\n', start); end != std::string::npos; end = cards.find('\n', start)) {
    const std::string line = cards.substr(start, end - start);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 1) << line;
    EXPECT_NE(line.front(), '"') << line;
    start = end + 1;
    ++lines;
  }
  EXPECT_EQ(start, cards.size()) << "the last card has no line end";
  EXPECT_EQ(lines, entries.size());
}

TEST_F(WordExportTest, TheFrontMarksTheWordAndEscapesTheSentence) {
  const std::vector<WordListEntry> awkward = test::awkwardLookups();
  EXPECT_EQ(flashCardFront(test::ordinaryLookups()[0]), "The <b>houses</b> are big.");
  EXPECT_EQ(flashCardFront(awkward[1]), "Two <b>lines</b> and a tab, &lt;b&gt;bold&lt;/b&gt; &amp; more.");
  EXPECT_EQ(flashCardFront(awkward[0]), "A &quot;<b>tüll</b>&quot;, of course, is, well, a fabric.");
  // Where the offset is wrong the word is found as a whole word, whatever its case.
  WordListEntry entry{"he", "", "The man: he left.", 0, "", "", "", "", 1};
  EXPECT_EQ(flashCardFront(entry), "The man: <b>he</b> left.");
  entry.word = "dog";
  EXPECT_EQ(flashCardFront(entry), "<b>dog</b><br>The man: he left.");
  entry.sentence = "";
  EXPECT_EQ(flashCardFront(entry), "<b>dog</b>");
}

TEST_F(WordExportTest, TheBackHasTheFormTheSensesAndTheTranslation) {
  const std::vector<WordListEntry> ordinary = test::ordinaryLookups();
  EXPECT_EQ(flashCardBack(ordinary[0]),
            "<b>house</b><br>ház<br>lakóház<br>otthon<br><br><i>A házak nagyok.</i>");
  WordListEntry entry{"Cat", "cat", "", -1, "macska", "", "", "", 1};
  EXPECT_EQ(flashCardBack(entry), "macska");  // no senses: the first Hungarian alternative
  entry.senses = "macska\r\n\r\n  \nmacskaféle";
  EXPECT_EQ(flashCardBack(entry), "macska<br>macskaféle");
  entry.hungarian = entry.senses = "";
  EXPECT_EQ(flashCardBack(entry), "");
}

class WordListExporterTest : public WordExportTest {
 protected:
  void SetUp() override {
    WordExportTest::SetUp();
    db_ = folder_ + "/lexidic.db";
    WordListOpening opening;
    auto store = WordListStore::openOrRecover(db_, std::time(nullptr), opening);
    ASSERT_TRUE(store) << opening.error;
    std::vector<WordListEntry> entries = test::ordinaryLookups();
    for (const WordListEntry& entry : test::awkwardLookups()) entries.push_back(entry);
    store->insert(entries);
    rows_ = store->words();
  }
  int exporter(const std::string& arguments) {
    return run("./lexiton-wordlist " + arguments + " 2>/dev/null");
  }

  std::string db_;
  std::vector<WordRow> rows_;
};

TEST_F(WordListExporterTest, WritesWhatTheExportCodeWrites) {
  for (const auto& [name, format] :
       {std::pair{"csv", ExportFormat::csv}, std::pair{"tsv", ExportFormat::flashCards}}) {
    std::string expected;
    appendExport(expected, rows_, format);
    const std::string out = folder_ + "/out." + name;
    ASSERT_EQ(
        exporter("export --db " + shellQuoted(db_) + " --format " + name + " --out " + shellQuoted(out)), 0);
    EXPECT_EQ(readFile(out), expected) << name;
    ASSERT_EQ(exporter("export --format " + std::string(name) + " --db " + shellQuoted(db_) + " > " +
                       shellQuoted(out + "2")),
              0);
    EXPECT_EQ(readFile(out + "2"), expected) << name << " on standard output";
  }
  // Reading leaves nothing beside the list.
  EXPECT_FALSE(std::filesystem::exists(db_ + "-wal"));
  EXPECT_FALSE(std::filesystem::exists(db_ + "-shm"));
}

TEST_F(WordListExporterTest, SaysWhatIsWrongWithItsExitCode) {
  EXPECT_EQ(exporter("--help >/dev/null"), 0);
  EXPECT_EQ(exporter(""), 1);
  EXPECT_EQ(exporter("import --db x --format csv"), 1);
  EXPECT_EQ(exporter("export --db " + shellQuoted(db_)), 1);
  EXPECT_EQ(exporter("export --format csv"), 1);
  EXPECT_EQ(exporter("export --db " + shellQuoted(db_) + " --format xls"), 1);
  EXPECT_EQ(exporter("export --db " + shellQuoted(db_) + " --format csv --out"), 1);
  EXPECT_EQ(exporter("export --db " + shellQuoted(db_) + " --format csv --colour red"), 1);
  EXPECT_EQ(exporter("export --db " + shellQuoted(folder_ + "/none.db") + " --format csv"), 2);
  writeFile(folder_ + "/notes.db", "not a database at all");
  EXPECT_EQ(exporter("export --db " + shellQuoted(folder_ + "/notes.db") + " --format csv"), 2);
  EXPECT_EQ(readFile(folder_ + "/notes.db"), "not a database at all");
  EXPECT_EQ(exporter("export --db " + shellQuoted(db_) + " --format csv --out " + shellQuoted(folder_)), 3);
  EXPECT_EQ(exporter("export --db " + shellQuoted(db_) + " --format tsv --out " +
                     shellQuoted(folder_ + "/no/such/file")),
            3);
}

}  // namespace
}  // namespace lexiton::host
