// Sentence and word boundaries around the pointer.
#include "lexiton/translator/sentence.h"

#include <gtest/gtest.h>

namespace lexiton::translator {
namespace {

std::u32string words(const std::u32string& t, const Sentence& s) {
  std::u32string out;
  for (const Word& w : s.words) out += t.substr(w.begin, w.end - w.begin) + U"|";
  return out;
}

TEST(SentenceTest, PicksTheSentenceAroundThePointer) {
  const std::u32string t = U"First one. The houses are big! Last \"quoted.\" Next";
  Sentence s = sentenceAround(t, t.find(U"houses") + 2);
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"The houses are big!");
  EXPECT_EQ(words(t, s), U"The|houses|are|big|");
  EXPECT_EQ(s.pointerWord, 1u);
  s = sentenceAround(t, t.find(U"big") + 3);  // on the stop itself
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"The houses are big!");
  EXPECT_EQ(s.pointerWord, 3u);
  s = sentenceAround(t, t.find(U"Last"));
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"Last \"quoted.\"");
  s = sentenceAround(t, t.size());  // pointer after the end
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"Next");
}

// A quotation's "!" ends nothing when its speaker and a verb of saying follow, listed or any
// "-ed" verb closing the words of saying; a speaker who goes on doing something is a new sentence.
TEST(SentenceTest, AQuotationKeepsItsSpeakerAndVerbOfSaying) {
  const std::u32string t = U"\"The judges are here!\" Zsófi groaned. \"No,\" Peter grunted. \"Stop!\" Anna walked away.";
  Sentence s = sentenceAround(t, t.find(U"groaned"));
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"\"The judges are here!\" Zsófi groaned.");
  s = sentenceAround(t, t.find(U"grunted"));
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"\"No,\" Peter grunted.");
  s = sentenceAround(t, t.find(U"walked"));
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"Anna walked away.");
}

TEST(SentenceTest, WordsKeepApostrophesAndHyphensBetweenLetters) {
  const std::u32string t = U"Don\u2019t touch John's well-known 3.5 'cat' -- ok";
  Sentence s = sentenceAround(t, 0);
  // (a decimal point between digits keeps the number one word)
  EXPECT_EQ(words(t, s), U"Don\u2019t|touch|John's|well-known|3.5|cat|ok|");
  EXPECT_FALSE(s.words[4].hasLetter);
  EXPECT_TRUE(s.words[0].hasLetter);
  // a plural owner keeps its apostrophe before the next word; a closing quote does not
  const std::u32string owners = U"My parents' house, the 'dogs'. Cats'";
  s = sentenceAround(owners, 0);
  EXPECT_EQ(words(owners, s), U"My|parents'|house|the|dogs|");
}

TEST(SentenceTest, LineBreaksEndSentencesAndDecimalsDoNot) {
  const std::u32string t = U"a heading\nIt costs 3.5 dollars. Then";
  Sentence s = sentenceAround(t, t.find(U"costs"));
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"It costs 3.5 dollars.");
  s = sentenceAround(t, 1);
  EXPECT_EQ(t.substr(s.begin, s.end - s.begin), U"a heading");
}

TEST(SentenceTest, ASpeedUnitIsOneWord) {
  // "km/h" keeps its slash (it was "km" and a stray "h"); other slashes still part words
  const std::u32string t = U"Gusts of 100 km/h and 20 m/s, and/or more.";
  EXPECT_EQ(words(t, sentenceAround(t, 0)), U"Gusts|of|100|km/h|and|20|m/s|and|or|more|");
}

TEST(SentenceTest, AClockTimeInFiguresIsOneWord) {
  const std::u32string t = U"Doors open at 7.30, the show at 8:15 and ends by 11 p.m. and the bar at 12.";
  const Sentence s = sentenceAround(t, 0);
  EXPECT_EQ(words(t, s), U"Doors|open|at|7.30|the|show|at|8:15|and|ends|by|11|p.m|and|the|bar|at|12|");
  EXPECT_FALSE(s.words[3].hasLetter);
  // the stop after "p.m." ends a sentence only where a capital follows
  const std::u32string two = U"We close at 6 p.m. Tomorrow we open late.";
  EXPECT_EQ(two.substr(0, sentenceAround(two, 0).end), U"We close at 6 p.m.");
}

TEST(SentenceTest, RunOnTextIsBoundedAroundThePointer) {
  std::u32string t;
  for (int i = 0; i < 2000; ++i) t += U"word ";
  std::size_t p = 5000;
  Sentence s = sentenceAround(t, p);
  EXPECT_LE(s.end - s.begin, kMaxSentenceChars);
  EXPECT_LE(s.words.size(), kMaxSentenceWords);
  ASSERT_LT(s.pointerWord, s.words.size());
  EXPECT_LE(s.words[s.pointerWord].begin, p);
  EXPECT_GE(s.words[s.pointerWord].end, p);
  EXPECT_TRUE(sentenceAround(U"", 0).words.empty());
  EXPECT_TRUE(sentenceAround(U"...", 1).words.empty());
}

TEST(SentenceTest, AQuotationsStopBeforeTheWordsOfSayingEndsNothing) {
  const std::u32string t = U"\"Are you ready?\" he asked. \"Yes!\" Tom said.";
  Sentence s = sentenceAround(t, t.find(U"ready"));
  EXPECT_EQ(words(t, s), U"Are|you|ready|he|asked|");
  s = sentenceAround(t, t.find(U"Tom"));  // the speaker and the verb of saying go on with it
  EXPECT_EQ(words(t, s), U"Yes|Tom|said|");
  // any other capital after the quotation starts a sentence
  const std::u32string u = U"\"Stop!\" The car came closer.";
  EXPECT_EQ(words(u, sentenceAround(u, u.find(U"car"))), U"The|car|came|closer|");
}

}  // namespace
}  // namespace lexiton::translator
