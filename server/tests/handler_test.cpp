// The handler answered directly, with a real SQLite store in a temporary file.
#include "lexiton/dictionary.h"
#include "lexiton/protocol/client_packer.h"
#include "lexiton/server/dictionary_translator.h"
#include "lexiton/server/handler.h"
#include "lexiton/server/request_form.h"
#include "lexiton/server/session_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace lexiton::server;

namespace {

std::string keyOf(const std::string& id) { return id.substr(40); }

// The client's packing, as the client itself packs queries and unpacks replies.
std::string packHex(const std::string& keyHex, const std::string& text) {
  std::string out;
  EXPECT_TRUE(lexiton::protocol::ClientPacker().pack(keyHex, text, out));
  return out;
}

bool unpackHex(const std::string& keyHex, const std::string& packed, std::string& out) {
  return lexiton::protocol::ClientPacker().unpack(keyHex, packed, out);
}

// The translator over the compiled dictionary, loaded once for every test.
TranslateFn defaultTranslator() {
  static const TranslateFn translate = dictionaryTranslator(lexiton::kDictionaryFileName);
  return translate;
}

struct Fixture : ::testing::Test {
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("lexsrv-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                               std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  std::unique_ptr<SessionStore> store;
  std::string id, key;
  void SetUp() override {
    std::filesystem::create_directories(dir);
    store = std::make_unique<SqliteSessionStore>((dir / "s.db").string());
    ASSERT_TRUE(store->ensureUser("anna", "secret"));
    id = store->createSession("anna", 3600);
    key = keyOf(id);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string body(const std::string& record, const std::string& where = "Korvell",
                   const std::string& who = "1.2.3.44lx") {
    return "who=" + who + "&where=" + where + "&what=" + id.substr(0, 40) + packHex(key, record);
  }
  std::string reply(const std::string& packed) {
    std::string out;
    EXPECT_TRUE(unpackHex(key, packed, out)) << packed;
    return out;
  }
};

const std::string kRecord =
    "usr|:anna|;pass|:secret|;lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:|;dat|:The &kvopoint;houses "
    "are big.|.";

}  // namespace

TEST(RequestForm, ParsesFieldsAndRejectsIncompleteBodies) {
  auto f = parseRequestForm("who=1.2.3.44lx&where=storno,Korvell&what=abc");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->who, "1.2.3.44lx");
  EXPECT_EQ(requestKind(*f), RequestKind::Cancel);
  EXPECT_FALSE(parseRequestForm(""));
  EXPECT_FALSE(parseRequestForm("who=1&where=2"));
  EXPECT_FALSE(parseRequestForm(std::string(kMaxBodyBytes + 1, 'a')));
  std::string whole = "who=1.2.3.44lx&where=Korvell&what=x";
  for (std::size_t n = 0; n < whole.size(); ++n) (void)parseRequestForm(whole.substr(0, n));
}

TEST(RequestForm, ComparesVersions) {
  EXPECT_FALSE(versionOlderThan("1.2.3.44lx", "1.2.3"));
  EXPECT_TRUE(versionOlderThan("1.2.2.44lx", "1.2.3"));
  EXPECT_TRUE(versionOlderThan("", "1.2.3"));
  EXPECT_FALSE(versionOlderThan("2.0", "1.2.3"));
}

TEST(Packing, RoundTripsAndRejectsTampering) {
  std::string key = lexiton::protocol::ClientPacker::toHex(std::string(32, 'k'));
  std::string p = packHex(key, "");
  EXPECT_EQ(p.size(), 32u);
  std::string out;
  EXPECT_TRUE(unpackHex(key, packHex(key, "h\xE1z|x"), out));
  EXPECT_EQ(out, "h\xE1z|x");
  std::string bad = p;
  bad[0] = bad[0] == '0' ? '1' : '0';
  EXPECT_FALSE(unpackHex(key, bad, out));
  EXPECT_FALSE(unpackHex(std::string(64, 'A'), p, out));
  EXPECT_FALSE(unpackHex(key, p.substr(0, 31), out));
}

TEST_F(Fixture, AnswersQueryWithHungarianWords) {
  RequestHandler h(*store, defaultTranslator());
  std::string r = reply(h.handle(body(kRecord)));
  EXPECT_NE(r.find("h\xE1z"), std::string::npos) << r;
  EXPECT_EQ(r.substr(r.size() - 2), "|.");
}

TEST_F(Fixture, StatusLines) {
  RequestHandler h(*store, defaultTranslator());
  EXPECT_EQ(h.handle(""), kStatusNoPostedData);
  EXPECT_EQ(h.handle(body(kRecord, "Korvell", "1.2.2.44lx")), kStatusUpdateClient);
  std::string unknown = "who=1.2.3.44lx&where=Korvell&what=" + std::string(40, 'Z') + packHex(key, kRecord);
  EXPECT_EQ(h.handle(unknown), kStatusWrongSession);
  std::string wrongKey =
      "who=1.2.3.44lx&where=Korvell&what=" + id.substr(0, 40) + packHex(std::string(64, 'B'), kRecord);
  EXPECT_EQ(h.handle(wrongKey), kStatusWrongSession);
  std::string otherLng = kRecord;
  otherLng.replace(otherLng.find("En-Hu"), 5, "En-De");
  EXPECT_EQ(h.handle(body(otherLng)), kStatusUnsupportedService);
  EXPECT_EQ(h.handle(body("garbage|")), kStatusWrongQuery);
  EXPECT_EQ(h.handle(body("dat|:x|.")), kStatusWrongQuery);
}

TEST_F(Fixture, TruncatedRecordsAreWrongQueriesNeverTranslations) {
  RequestHandler h(*store, defaultTranslator());
  for (std::size_t n = 1; n < kRecord.size(); ++n) {
    const std::string answer = h.handle(body(kRecord.substr(0, n)));
    // A prefix that ends right after a value may be a complete record without "dat".
    EXPECT_TRUE(answer == kStatusWrongQuery || answer == kStatusUnsupportedService ||
                reply(answer).find("Wrong username") != std::string::npos)
        << n << ": " << answer;
  }
  const std::string whole = reply(h.handle(body(kRecord)));
  EXPECT_NE(whole.find("<HL>houses</HL>"), std::string::npos) << whole;
  // a record of only keys, and one far past the token limit
  EXPECT_EQ(h.handle(body("lng|:act|:")), kStatusWrongQuery);
  std::string many;
  for (int i = 0; i < 100; ++i) many += "k" + std::to_string(i) + "|:v|;";
  EXPECT_EQ(h.handle(body(many + kRecord)), kStatusWrongQuery);
}

TEST_F(Fixture, WrongPasswordIsAnErrorRecord) {
  RequestHandler h(*store, defaultTranslator());
  std::string rec = kRecord;
  rec.replace(rec.find("secret"), 6, "wrong");
  EXPECT_EQ(reply(h.handle(body(rec))), "Wrong username or password.|:1011|.");
}

TEST_F(Fixture, TranslatorErrorBecomesErrorRecord) {
  RequestHandler h(*store, [](const std::string&) { return TranslateResult{1, "1010 not|english"}; });
  EXPECT_EQ(reply(h.handle(body(kRecord))), "not||english|:1010|.");
}

TEST_F(Fixture, SessionEndKeepsTheIdentifierForTheNextStart) {
  RequestHandler h(*store, defaultTranslator());
  EXPECT_EQ(reply(h.handle(body(std::string(40, '0'), "sessionend,Korvell"))), "");
  // the program starts again with the identifier in its settings file
  EXPECT_NE(reply(h.handle(body(kRecord))).find("<HL>houses</HL>"), std::string::npos);
  // an identifier past its lifetime is refused
  const std::string expired = store->createSession("anna", 0);
  const std::string packed = packHex(keyOf(expired), kRecord);
  EXPECT_EQ(h.handle("who=1.2.3.44lx&where=Korvell&what=" + expired.substr(0, 40) + packed),
            kStatusWrongSession);
}

TEST_F(Fixture, StornoInterruptsRunningQuery) {
  std::atomic<bool> started{false}, release{false};
  RequestHandler h(*store, [&](const std::string&) {
    started = true;
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return TranslateResult{0, "x"};
  });
  std::string result;
  std::thread q([&] { result = h.handle(body(kRecord)); });
  while (!started) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  h.handle(body(std::string(40, '0'), "storno,Korvell"));
  release = true;
  q.join();
  EXPECT_EQ(result, kStatusInterrupted);
}

namespace {

// The SQLite store, counting what reaches it.
class CountingStore : public SqliteSessionStore {
 public:
  using SqliteSessionStore::SqliteSessionStore;
  int sessionReads = 0;
  int userReads = 0;
  bool down = false;  // the database is out of reach

  std::int64_t generation() override {
    if (down) throw std::runtime_error("store down");
    return SqliteSessionStore::generation();
  }

 protected:
  std::optional<Session> loadSession(const std::string& name) override {
    ++sessionReads;
    if (down) throw std::runtime_error("store down");
    return SqliteSessionStore::loadSession(name);
  }
  std::optional<UserCredentials> findUser(const std::string& name) override {
    ++userReads;
    return SqliteSessionStore::findUser(name);
  }
};

struct CacheFixture : Fixture {
  std::unique_ptr<CountingStore> counting;
  void SetUp() override {
    Fixture::SetUp();
    counting = std::make_unique<CountingStore>((dir / "s.db").string());
  }
  HandlerConfig everyTime() {
    HandlerConfig c;
    c.sessionRecheck = std::chrono::milliseconds(0);  // ask the store's generation at every look-up
    return c;
  }
  const std::string noLogin =
      "lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:|;dat|:The &kvopoint;houses are big.|.";
};

}  // namespace

TEST_F(CacheFixture, ASessionIsReadFromTheStoreOnce) {
  RequestHandler h(*counting, defaultTranslator());
  for (int i = 0; i < 5; ++i)
    EXPECT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  EXPECT_EQ(counting->sessionReads, 1);
  EXPECT_EQ(h.cachedSessions(), 1u);
  // Unknown names are never kept: each is asked for again (a session made a moment ago is found).
  const std::string unknown =
      "who=1.2.3.44lx&where=Korvell&what=" + std::string(40, 'Z') + packHex(key, noLogin);
  EXPECT_EQ(h.handle(unknown), kStatusWrongSession);
  EXPECT_EQ(h.handle(unknown), kStatusWrongSession);
  EXPECT_EQ(counting->sessionReads, 3);
  EXPECT_EQ(h.cachedSessions(), 1u);
}

TEST_F(CacheFixture, EndingASessionDropsItsCachedCopy) {
  RequestHandler h(*counting, defaultTranslator());
  ASSERT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  EXPECT_EQ(reply(h.handle(body(std::string(40, '0'), "sessionend,Korvell"))), "");
  EXPECT_EQ(h.cachedSessions(), 0u);
  EXPECT_EQ(counting->sessionReads, 1);
  // The next start goes on with the same identifier, read from the store again.
  EXPECT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  EXPECT_EQ(counting->sessionReads, 2);
}

TEST_F(CacheFixture, AWriteByAnotherProcessDropsEveryCachedSession) {
  RequestHandler h(*counting, defaultTranslator(), everyTime());
  ASSERT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  ASSERT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  EXPECT_EQ(counting->sessionReads, 1);
  // Someone shortens the session in the database itself: the cached copy still answers ...
  {
    SqliteSessionStore raw((dir / "s.db").string());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "s.db").string().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "UPDATE sessions SET expires=1", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }
  EXPECT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  // ... until the session command writes (here a second store on the same file, as the
  // command's own process opens it): the generation changes and the cache is emptied.
  SqliteSessionStore command((dir / "s.db").string());
  const std::int64_t before = command.generation();
  ASSERT_TRUE(command.ensureUser("bela", "pw"));
  (void)command.createSession("bela", 3600);
  EXPECT_EQ(command.generation(), before + 2);
  EXPECT_EQ(h.handle(body(noLogin)), kStatusWrongSession);
  EXPECT_EQ(counting->sessionReads, 2);
  EXPECT_EQ(h.cachedSessions(), 0u);
}

TEST_F(CacheFixture, APasswordIsHashedOncePerSession) {
  RequestHandler h(*counting, defaultTranslator());
  for (int i = 0; i < 4; ++i)
    EXPECT_NE(reply(h.handle(body(kRecord))).find("<HL>houses</HL>"), std::string::npos);
  EXPECT_EQ(counting->userReads, 1);
  std::string wrong = kRecord;
  wrong.replace(wrong.find("secret"), 6, "wrong");
  EXPECT_EQ(reply(h.handle(body(wrong))), "Wrong username or password.|:1011|.");
  EXPECT_EQ(counting->userReads, 2);
  std::string otherUser = kRecord;
  otherUser.replace(otherUser.find("anna"), 4, "bela");
  EXPECT_EQ(reply(h.handle(body(otherUser))), "Wrong username or password.|:1011|.");
  EXPECT_NE(reply(h.handle(body(kRecord))).find("<HL>houses</HL>"), std::string::npos);
  EXPECT_EQ(counting->userReads, 2);
}

TEST_F(CacheFixture, CachedSessionsOutliveAStoreOutOfReach) {
  RequestHandler h(*counting, defaultTranslator(), everyTime());
  ASSERT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  counting->down = true;
  EXPECT_NE(reply(h.handle(body(noLogin))).find("<HL>houses</HL>"), std::string::npos);
  // A session not read before cannot be checked: the processing status line.
  const std::string other = store->createSession("anna", 3600);
  const std::string packed = packHex(keyOf(other), noLogin);
  EXPECT_EQ(h.handle("who=1.2.3.44lx&where=Korvell&what=" + other.substr(0, 40) + packed), kStatusProcessing);
  counting->down = false;
  EXPECT_NE(h.handle("who=1.2.3.44lx&where=Korvell&what=" + other.substr(0, 40) + packed), kStatusProcessing);
}

TEST(SqliteStore, UsesWriteAheadLogging) {
  const auto dir = std::filesystem::temp_directory_path() / ("lexsrv-wal-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  {
    SqliteSessionStore store((dir / "s.db").string());
    ASSERT_TRUE(store.ensureUser("anna", "secret"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "s.db").string().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "wal");
    sqlite3_finalize(st);
    sqlite3_close(db);
  }
  std::filesystem::remove_all(dir);
}
