// The look-up pipeline through the real protocol stack: ServerConnection posts to a loopback
// server that answers packed replies, and the result list is read back document by document.
#include <gtest/gtest.h>
#include <lexiton/profile.h>

#include <thread>

#include "lexiton/lookup/layout.h"
#include "lexiton/lookup/lookup_pipeline.h"
#include "lexiton/lookup/message_table.h"
#include "lexiton/lookup/query_backend.h"
#include "lookup_test_util.h"
#include "reply_server.h"

using namespace lexiton;
using namespace lexiton::lookup;
using namespace lexiton::test;

namespace {

const std::string kTwoAlternatives =
    "<surf-ss>The <HL>house</HL></surf-ss><surf-st>A <chunk>h\xE1z</chunk></surf-st>"
    "<surf-ss>house <orig>hold</orig></surf-ss><surf-st>h\xE1ztart\xE1s</surf-st>";

// One look-up against the loopback server through the real connection.
class Pipeline : public ::testing::Test {
 protected:
  Pipeline() : server([this](const std::string& record) { return answer(record); }), layout("korvell.sty") {
    writeFile(iniPath, "[Server Settings]\nServer_Address=" + server.url() + "\nSessionID=" + kSessionName +
                           kSessionKey + "\nServer_Timeout=" + std::to_string(timeoutSeconds) + "\n");
    rebuildBackend();
  }
  ~Pipeline() override { std::remove(iniPath.c_str()); }

  void rebuildBackend() {
    auto settings = openProfile(iniPath);
    backend = makeServerBackend(*settings, true, "");
  }

  ServerReply answer(const std::string& record) { return respond ? respond(record) : reply; }

  LookupContext context(QueryBackend* b) {
    LookupContext c;
    c.styleSheet = &layout;
    c.backend = b;
    c.speech = &speech;
    c.dialogs = &dialogs;
    c.language = language;
    c.mode = 3;
    return c;
  }

  LookupOutcome run(std::u16string_view text = u"The house", std::size_t pointer = 4,
                    std::string_view footer = {}) {
    LookupRequest request;
    request.text = text;
    request.pointer = pointer;
    request.notFoundText = notFound;
    request.footerText = footer;
    request.sourceName = "MSWord";
    bytes.assign(64 * 1024, 0xCD);
    array = LxByteArray{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
    store = std::make_unique<ReservedStore>(array);
    list = std::make_unique<ChunkList>(*store);
    return runLookup(context(backend.get()), request, *list);
  }

  std::string qxr() const { return chunkText(array.data, array.size, "QXR1"); }
  std::string plain() const { return chunkText(array.data, array.size, "plai"); }
  std::string doc(const std::string& fragment) const { return layout.convert(fragment); }
  std::string errorDoc(const std::string& text) const { return doc("<errmsg>" + text + "</errmsg>"); }

  std::string iniPath = "pipeline_test.ini";
  int timeoutSeconds = 5;
  ServerReply reply;
  std::function<ServerReply(const std::string&)> respond;
  ReplyServer server;
  Layout layout;
  std::unique_ptr<QueryBackend> backend;
  RecordingSpeech speech;
  RecordingDialogs dialogs;
  AlertRecorder alerts;
  int language = 1033;
  std::string notFound = "nothing found";
  std::vector<uint8_t> bytes;
  LxByteArray array{};
  std::unique_ptr<ReservedStore> store;
  std::unique_ptr<ChunkList> list;
};

TEST_F(Pipeline, OneAlternativeSendsMarkedTextAndLaysOutSourceAndTarget) {
  reply.text = "<surf-ss>The <HL>house</HL></surf-ss><surf-st>A <chunk>h\xE1z</chunk></surf-st>";
  const LookupOutcome outcome = run(u"The h\u00e1z & co", 4);
  EXPECT_TRUE(outcome.produced);
  EXPECT_EQ(outcome.count, 1);
  EXPECT_FALSE(outcome.quit);
  EXPECT_EQ(qxr(), doc("<SRC>The <HL>house</HL></SRC>") + doc("<TRG>A <chunk>h\xE1z</chunk></TRG>"));
  EXPECT_EQ(plain(), "EN: The house%0D%0AHU: A h\xE1z%0D%0A");
  // "plai" is the last chunk, its text directly followed by the terminator.
  EXPECT_EQ(array.size, 8 + qxr().size() + 8 + plain().size() + 4);
  ASSERT_EQ(server.records().size(), 1u);
  const std::string record = server.records()[0];
  EXPECT_EQ(recordField(record, "dat"), "The &kvopoint;h&#xE1;z &#x26; co");
  EXPECT_EQ(recordField(record, "frm"), "4");
  EXPECT_EQ(recordField(record, "url"), "MSWord");
  EXPECT_EQ(speech.calls(), (std::vector<std::string>{"reset", "0:The house", "1:A h\xE1z"}));
  EXPECT_TRUE(alerts.alerts().empty());
}

TEST_F(Pipeline, TwoAlternativesAreSeparatedAndSpokenInOrder) {
  reply.text = kTwoAlternatives;
  const LookupOutcome outcome = run();
  EXPECT_TRUE(outcome.produced);
  EXPECT_EQ(outcome.count, 2);
  const std::vector<std::string> docs = documents(qxr());
  ASSERT_EQ(docs.size(), 3u);  // SRC1 TRG1 - SRC2 TRG2 - the notes' footer
  EXPECT_EQ(qxr(), doc("<SRC>The <HL>house</HL></SRC>") + doc("<TRG>A <chunk>h\xE1z</chunk></TRG>") + "-" +
                       doc("<SRC>house <orig>hold</orig></SRC>") + doc("<TRG>h\xE1ztart\xE1s</TRG>") + "-" +
                       doc("<message>unknown words underlined</message>"));
  EXPECT_EQ(plain(), "EN: The house%0D%0AHU: A h\xE1z%0D%0AEN: house hold%0D%0AHU: h\xE1ztart\xE1s%0D%0A");
  EXPECT_EQ(speech.calls(), (std::vector<std::string>{"reset", "0:The house", "1:A h\xE1z", "1:Vagy?",
                                                      "0:house hold", "1:h\xE1ztart\xE1s"}));
}

TEST_F(Pipeline, NotesAreAddedOnceAndJoinTheFooterText) {
  reply.text =
      "<surf-ss><orig>a</orig> <orig>b</orig></surf-ss><surf-st><chunk>x</chunk><chunk>y</chunk></surf-st>"
      "<surf-ss>c<suggest>see</suggest> "
      "d<suggest>e</suggest></surf-ss><surf-st><chunk>z</chunk><chunk>w</chunk></surf-st>";
  const LookupOutcome outcome = run(u"ab", 1, "Press q <feedback>");
  EXPECT_TRUE(outcome.produced);
  EXPECT_EQ(outcome.count, 2);
  const std::vector<std::string> docs = documents(qxr());
  ASSERT_EQ(docs.size(), 3u);
  EXPECT_EQ(docs.back(), doc("<footer><message>unknown words underlined</message><msgglue></msgglue>"
                             "<message>mosaic translation</message><msgglue></msgglue>"
                             "Press q &lt;feedback&gt;</footer>"));
  // Suggestions are shown (hidden) in the tooltip but never spoken or written as text.
  EXPECT_EQ(plain(), "EN: a b%0D%0AHU: xy%0D%0AEN: c d%0D%0AHU: zw%0D%0A");
}

TEST_F(Pipeline, OneChunkPerTargetIsNoMosaicAndNoNotesMeansNoFooter) {
  reply.text = "<surf-ss>a</surf-ss><surf-st><chunk>b</chunk></surf-st>";
  EXPECT_TRUE(run().produced);
  EXPECT_EQ(documents(qxr()).size(), 1u);
  EXPECT_EQ(qxr().find('-'), std::string::npos);
}

TEST_F(Pipeline, SourceWithoutTranslationGetsTheNotFoundDocument) {
  reply.text = "<surf-source>word</surf-source>";
  const LookupOutcome outcome = run(u"word", 2);
  EXPECT_TRUE(outcome.produced);
  EXPECT_EQ(outcome.count, 1);
  EXPECT_EQ(qxr(), doc("<SRC>word</SRC>") + doc("<NOT_FOUND>nothing found</NOT_FOUND>"));
  EXPECT_EQ(plain(), "EN: word%0D%0A");
  EXPECT_EQ(speech.calls(), (std::vector<std::string>{"reset", "0:word", "1:"}));

  // The host's fallback not-found text is "<???>": laid out as text, not taken for markup.
  notFound = "<\?\?\?>";
  const LookupOutcome fallback = run(u"word", 2);
  EXPECT_TRUE(fallback.produced);
  EXPECT_EQ(qxr(), doc("<SRC>word</SRC>") + doc("<NOT_FOUND>&lt;\?\?\?&gt;</NOT_FOUND>"));
  EXPECT_TRUE(alerts.alerts().empty());
}

TEST_F(Pipeline, SuggestionSpansEndAtTheNextClosingTag) {
  // An unclosed <suggest> never gets this far (the source's conversion rejects it); a nested
  // one is valid markup, and the span it opens ends at the first closing tag after it.
  reply.text = "<surf-ss>x<suggest>a<suggest>b</suggest>c</suggest>y</surf-ss><surf-st>z</surf-st>";
  EXPECT_TRUE(run().produced);
  EXPECT_EQ(plain(), "EN: xc</suggest>y%0D%0AHU: z%0D%0A");
  EXPECT_EQ(speech.calls(), (std::vector<std::string>{"reset", "0:xc</suggest>y", "1:z"}));

  reply.text = "<surf-ss>a<suggest>b</surf-ss><surf-st>x</surf-st>";
  EXPECT_FALSE(run().produced);
  ASSERT_EQ(alerts.alerts().size(), 1u);
  EXPECT_EQ(alerts.alerts()[0].caption, "Xml exception");
}

TEST_F(Pipeline, AnErrorTakesThePlaceOfTheNotesButKeepsTheFooterText) {
  // Mosaic and unknown words, then the server's message 1010: the footer shows no notes.
  reply.text = "<surf-ss><orig>a</orig></surf-ss><surf-st><chunk>x</chunk><chunk>y</chunk></surf-st>|:1010|.";
  EXPECT_TRUE(run(u"a", 1).produced);
  EXPECT_EQ(qxr(), doc("<SRC><orig>a</orig></SRC>") + doc("<TRG><chunk>x</chunk><chunk>y</chunk></TRG>") +
                       errorDoc("The text is not english.") + "-" + doc(""));
  EXPECT_TRUE(run(u"a", 1, "Lexiton").produced);
  EXPECT_EQ(documents(qxr()).back(), doc("<footer>Lexiton</footer>"));
  EXPECT_EQ(plain(), "EN: a%0D%0AHU: xy%0D%0AError: The text is not english.");
}

TEST_F(Pipeline, ReplyWithoutSurfacesIsTranslationFailed) {
  for (const char* text : {"<nothing/>", "", "<surf-ss>only a source</surf-ss>", "<surf-st></surf-st>",
                           "</surf-ss>x<surf-ss>"}) {
    SCOPED_TRACE(text);
    reply.text = text;
    const LookupOutcome outcome = run();
    EXPECT_TRUE(outcome.produced);
    EXPECT_EQ(outcome.count, 1);
    EXPECT_EQ(qxr(), errorDoc("Translation failed. (1)") + "-" + doc(""));
    EXPECT_EQ(plain(), "Error: Translation failed. (1)");
  }
  language = 1038;
  reply.text = "";
  run(u"x", 0, "footer");
  EXPECT_EQ(qxr(), errorDoc("Sikertelen ford\xEDt\xE1s! (1)") + "-" + doc("<footer>footer</footer>"));
}

TEST_F(Pipeline, ServerErrorRecordLaysOutTheRestThenItsMessage) {
  reply.text = "<surf-ss>x</surf-ss><surf-st>y</surf-st>|:1010|.";
  for (int lang : {1033, 1038}) {
    language = lang;
    const LookupOutcome outcome = run();
    EXPECT_TRUE(outcome.produced);
    EXPECT_EQ(outcome.count, 1);
    const std::string message = lookupMessage(kTextNotEnglish, lang);
    EXPECT_EQ(message, lang == 1038 ? "A sz\xF6veg nem angol!" : "The text is not english.");
    EXPECT_EQ(qxr(), doc("<SRC>x</SRC>") + doc("<TRG>y</TRG>") + errorDoc(message) + "-" + doc(""));
    EXPECT_EQ(plain(), "EN: x%0D%0AHU: y%0D%0AError: " + message);
  }
  language = 1033;
  reply.text = "Wrong query|:1502|.";  // no surfaces: the record's own message wins
  run();
  EXPECT_EQ(qxr(), errorDoc("Unknown string") + "-" + doc(""));
}

TEST_F(Pipeline, StatusCodesBecomeTheLocalizedErrorDocument) {
  reply = {"1709 Session interrupted!", false};
  EXPECT_TRUE(run().produced);
  EXPECT_EQ(qxr(), errorDoc("The query has been interrupted.") + "-" + doc(""));
  EXPECT_EQ(plain(), "Error: The query has been interrupted.");
  EXPECT_EQ(speech.calls(), std::vector<std::string>{"reset"});

  // A body of unknown form carries markup in its detail; it is laid out as text.
  reply = {"<html>", false};
  EXPECT_TRUE(run().produced);
  EXPECT_EQ(qxr(), errorDoc("There is no connection to the Korvell server! (&lt;html&gt;)") + "-" + doc(""));
  EXPECT_EQ(plain(), "Error: There is no connection to the Korvell server! (<html>)");

  reply = {"1502 Wrong Query Submitted!", false};
  run();
  EXPECT_EQ(plain(), "Error: 1502 Wrong Query Submitted!");
}

TEST_F(Pipeline, TimeOutCancelsTheRequest) {
  timeoutSeconds = 1;
  writeFile(iniPath, "[Server Settings]\nServer_Address=" + server.url() + "\nSessionID=" + kSessionName +
                         kSessionKey + "\nServer_Timeout=1\n");
  rebuildBackend();
  reply = {"<surf-ss>late</surf-ss><surf-st>k\xE9s\xF5</surf-st>", true, 1600};
  const LookupOutcome outcome = run();
  EXPECT_TRUE(outcome.produced);
  EXPECT_EQ(qxr(), errorDoc("The server did not respond in time.") + "-" + doc(""));
  EXPECT_EQ(server.controls(), std::vector<std::string>{"storno,Korvell"});
  EXPECT_EQ(speech.calls(), std::vector<std::string>{"reset"});
}

TEST_F(Pipeline, UpgradeNoticeEndsTheLookUp) {
  reply = {"1701 Client needs to be updated! ", false};
  for (int choice : {2, 1, 0, -1}) {
    SCOPED_TRACE(choice);
    dialogs.upgradeChoice = choice;
    const LookupOutcome outcome = run();
    EXPECT_FALSE(outcome.produced);
    EXPECT_EQ(outcome.quit, choice > 0);
  }
  EXPECT_EQ(dialogs.upgrades, 4);
  EXPECT_EQ(dialogs.lastUpgradeLanguage, 1033);
  EXPECT_TRUE(speech.calls().empty());
  EXPECT_TRUE(alerts.alerts().empty());
}

TEST_F(Pipeline, PointerAtOrPastTheEndEndsTheQueryWithTheMarker) {
  reply.text = "<surf-ss>a</surf-ss><surf-st>b</surf-st>";
  run(u"abc", 3);
  run(u"abc", 99);
  run(u"", 0);
  run(u"\u0151", 0);
  const auto records = server.records();
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(recordField(records[0], "dat"), "abc&kvopoint;");
  EXPECT_EQ(recordField(records[1], "dat"), "abc&kvopoint;");
  EXPECT_EQ(recordField(records[2], "dat"), "&kvopoint;");
  EXPECT_EQ(recordField(records[3], "dat"), "&kvopoint;&#x151;");
}

TEST_F(Pipeline, ConversionFailureShowsAnXmlAlertAndAbandons) {
  reply.text = "<surf-ss><bogus>x</bogus></surf-ss><surf-st>y</surf-st>";
  const LookupOutcome outcome = run();
  EXPECT_FALSE(outcome.produced);
  const auto shown = alerts.alerts();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Xml exception");
  EXPECT_EQ(shown[0].text.rfind("Exception occured converting xml to rtf (", 0), 0u);
  EXPECT_EQ(shown[0].icon, AlertIcon::error);
}

TEST_F(Pipeline, ResultThatDoesNotFitIsAbandonedWithAnAlert) {
  reply.text = "<surf-ss>" + std::string(70 * 1024, 'a') + "</surf-ss><surf-st>b</surf-st>";
  EXPECT_FALSE(run().produced);
  ASSERT_EQ(alerts.alerts().size(), 1u);
  EXPECT_EQ(alerts.alerts()[0].caption, "Exception");
  EXPECT_EQ(alerts.alerts()[0].text, "Unknown exception occured in Korvell dictcore.dll");
  EXPECT_LE(array.size, array.capacity);
}

TEST_F(Pipeline, TwoLookUpsAtOnceEachGetTheirOwnReply) {
  // The server translates each query from its own record, slowly, so the two overlap.
  respond = [](const std::string& record) {
    const std::string dat = recordField(record, "dat");
    const std::string word = dat.substr(0, dat.find('&'));
    return ServerReply{"<surf-ss>" + word + "</surf-ss><surf-st>" + word + "-hu</surf-st>", true, 200};
  };
  auto lookUp = [this](std::u16string text, std::string* plainOut, int* count) {
    LookupRequest request;
    request.text = text;
    request.pointer = text.size();
    request.sourceName = "Trigger";
    std::vector<uint8_t> own(16 * 1024);
    LxByteArray a{own.data(), 0, static_cast<uint32_t>(own.size())};
    ReservedStore s(a);
    ChunkList l(s);
    const LookupOutcome outcome = runLookup(context(backend.get()), request, l);
    *plainOut = outcome.produced ? chunkText(a.data, a.size, "plai") : "failed";
    *count = outcome.count;
  };
  std::string first, second;
  int firstCount = 0, secondCount = 0;
  std::thread a(lookUp, u"alpha", &first, &firstCount);
  std::thread b(lookUp, u"beta", &second, &secondCount);
  a.join();
  b.join();
  EXPECT_EQ(server.records().size(), 2u);
  EXPECT_EQ(first, "EN: alpha%0D%0AHU: alpha-hu%0D%0A");
  EXPECT_EQ(second, "EN: beta%0D%0AHU: beta-hu%0D%0A");
  EXPECT_EQ(firstCount, 1);
  EXPECT_EQ(secondCount, 1);
}

TEST(PipelineWithoutServer, OnlyTheFooterCanBeAdded) {
  Layout layout("korvell.sty");
  RecordingSpeech speech;
  LookupContext context;
  context.styleSheet = &layout;
  context.speech = &speech;
  for (std::string footer : {"", "Lexiton"}) {
    std::vector<uint8_t> bytes(1024);
    LxByteArray array{bytes.data(), 0, 1024};
    ReservedStore store(array);
    ChunkList list(store);
    LookupRequest request;
    request.text = u"house";
    request.footerText = footer;
    const LookupOutcome outcome = runLookup(context, request, list);
    EXPECT_TRUE(outcome.produced);
    EXPECT_EQ(outcome.count, 1);
    if (footer.empty()) {
      EXPECT_EQ(array.size, 4u);  // the empty list
    } else {
      EXPECT_EQ(chunkText(array.data, array.size, "QXR1"), "-" + layout.convert("<footer>Lexiton</footer>"));
    }
  }
  EXPECT_EQ(speech.calls(), (std::vector<std::string>{"reset", "reset"}));
}

TEST(PipelineWithoutServer, BackendExceptionBecomesTheErrorDocument) {
  struct Throwing : QueryBackend {
    bool standard = true;
    int query(std::string_view, std::string_view, int, std::string&) override {
      if (standard) throw std::runtime_error("socket gone");
      throw 42;
    }
    int cancelQuery() override { return -1; }
    int close() override { return -1; }
  } backend;
  Layout layout("korvell.sty");
  LookupContext context;
  context.styleSheet = &layout;
  context.backend = &backend;
  for (bool standard : {true, false}) {
    backend.standard = standard;
    std::vector<uint8_t> bytes(4096);
    LxByteArray array{bytes.data(), 0, 4096};
    ReservedStore store(array);
    ChunkList list(store);
    LookupRequest request;
    request.text = u"x";
    EXPECT_TRUE(runLookup(context, request, list).produced);
    EXPECT_EQ(chunkText(array.data, array.size, "plai"),
              standard ? "Error: Exception in KvoLexiton::process\nsocket gone"
                       : "Error: Unknown exception in KvoLexiton::process");
  }
}

TEST(PipelineWithoutServer, NoStyleSheetMeansNoLookUp) {
  LookupContext context;
  std::vector<uint8_t> bytes(64);
  LxByteArray array{bytes.data(), 0, 64};
  ReservedStore store(array);
  ChunkList list(store);
  EXPECT_FALSE(runLookup(context, LookupRequest{}, list).produced);
}

}  // namespace
