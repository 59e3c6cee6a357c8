// One look-up worker: the request copied in, Lookup called outside the lock with the texts it
// is given, the result kept only for the current request, chunk by chunk and within the bytes
// the library said it wrote.
#include <gtest/gtest.h>

#include <lexiton/chunk_list.h>

#include <cstring>

#include "hover_fakes.h"

namespace lexiton::host::test {
namespace {

class LookupWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScriptedLookup::reset();
    job.exchange = std::make_shared<LookupExchange>();
    job.lookup = &scriptedLookup;
    job.notFoundText = "Not found";
    LookupRequest& request = job.exchange->request;
    request.number = job.number = 4;
    request.text = u"The houses are big.";
    request.cursor = 5;
    request.source = "notepad.exe";
  }
  WorkerJob job;
};

TEST_F(LookupWorkerTest, TheCurrentRequestsResultIsStoredToBePainted) {
  runLookupWorker(job);
  const LookupRequest& request = job.exchange->request;
  EXPECT_TRUE(request.resultReady);
  EXPECT_EQ(request.resultNumber, 4);
  EXPECT_TRUE(request.drawPending);
  EXPECT_EQ(plainTextOf(request.result), scriptedPlainText(u"The houses are big.", 5));
  EXPECT_TRUE(ChunkView(request.result.data(), request.result.size()).wellFormed());
  EXPECT_EQ(ScriptedLookup::lastNotFound, "Not found");
  EXPECT_EQ(ScriptedLookup::lastFooter, "");
  EXPECT_EQ(ScriptedLookup::lastSource, "notepad.exe");
}

TEST_F(LookupWorkerTest, AStaleRequestIsNeitherLookedUpNorStored) {
  job.exchange->request.number = 5;
  runLookupWorker(job);
  EXPECT_EQ(ScriptedLookup::calls, 0);
  EXPECT_FALSE(job.exchange->request.resultReady);
}

TEST_F(LookupWorkerTest, TheMainThreadIsToldOnceTheResultIsStoredAndTheLockFree) {
  int told = 0;
  job.resultStored = [&] {
    ++told;
    // Stored by now, and the lock already let go, so the main thread can take the result.
    EXPECT_TRUE(job.exchange->request.resultReady);
    std::unique_lock<RequestLock> free(job.exchange->requestLock, std::try_to_lock);
    EXPECT_TRUE(free.owns_lock());
  };
  runLookupWorker(job);
  EXPECT_EQ(told, 1);
}

TEST_F(LookupWorkerTest, NoOneIsToldOfAResultThatWasNotStored) {
  int told = 0;
  job.resultStored = [&] { ++told; };
  // Replaced while Lookup ran: the result is thrown away.
  ScriptedLookup::during = [&] {
    std::lock_guard<RequestLock> hold(job.exchange->requestLock);
    ++job.exchange->request.number;
  };
  runLookupWorker(job);
  EXPECT_EQ(ScriptedLookup::calls, 1);
  EXPECT_EQ(told, 0);
  // Stale from the start: not even looked up.
  runLookupWorker(job);
  EXPECT_EQ(ScriptedLookup::calls, 1);
  EXPECT_EQ(told, 0);
}

TEST_F(LookupWorkerTest, NothingToPaintIsStoredButNotPending) {
  ScriptedLookup::count = 0;
  runLookupWorker(job);
  EXPECT_TRUE(job.exchange->request.resultReady);
  EXPECT_FALSE(job.exchange->request.drawPending);
  ScriptedLookup::count = 2;
  ScriptedLookup::found = false;
  runLookupWorker(job);
  EXPECT_FALSE(job.exchange->request.drawPending);
}

TEST_F(LookupWorkerTest, TextsAreCutToTheirBuffers) {
  job.footerText = std::string(400, 'f');
  job.notFoundText = std::string(300, 'n');
  runLookupWorker(job);
  EXPECT_EQ(ScriptedLookup::lastFooter.size(), kWorkerTextBuffer - 1);
  EXPECT_EQ(ScriptedLookup::lastNotFound.size(), kWorkerTextBuffer - 1);
}

TEST_F(LookupWorkerTest, QuitFromTheLibraryAsksForTheEndOfTheSession) {
  int asked = 0;
  job.quitRequested = [&] { ++asked; };
  runLookupWorker(job);
  EXPECT_EQ(asked, 0);
  ScriptedLookup::quit = true;
  runLookupWorker(job);
  EXPECT_EQ(asked, 1);
}

bool LX_CDECL badLengthLookup(const LxWideString*, unsigned, LxByteArray* result, int* count, int*,
                              const char*, bool*, const char*, const char*) {
  // "plai" whole, then a chunk whose length runs past what was written.
  const uint8_t list[] = {'p', 'l', 'a', 'i', 2,    0,    0, 0, 'o', 'k',
                          'Q', 'X', 'R', '1', 0xFF, 0xFF, 0, 0, '{'};
  std::memcpy(result->data, list, sizeof list);
  result->size = sizeof list;
  *count = 1;
  return true;
}

TEST_F(LookupWorkerTest, AListThatRunsPastWhatWasWrittenKeepsTheChunksBeforeTheFault) {
  job.lookup = &badLengthLookup;
  runLookupWorker(job);
  const auto& result = job.exchange->request.result;
  EXPECT_EQ(plainTextOf(result), "ok");
  EXPECT_TRUE(ChunkView(result.data(), result.size()).wellFormed());
  EXPECT_FALSE(ChunkView(result.data(), result.size()).find("QXR1"));
}

}  // namespace
}  // namespace lexiton::host::test
