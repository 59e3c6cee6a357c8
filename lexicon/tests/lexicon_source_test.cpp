// The core lexicon's entry reader (which the build-time compiler runs on every line) and the
// reader of the compiled file.
#include "lexiton/lexicon/core_lexicon.h"
#include "lexiton/lexicon/lexicon_source.h"

#include <gtest/gtest.h>

namespace lexiton::lexicon {
namespace {

std::optional<Entry> parse(const char* line) {
  std::string error;
  return parseEntryLine(line, error);
}

std::string whyNot(const char* line) {
  std::string error;
  EXPECT_FALSE(parseEntryLine(line, error).has_value()) << line;
  return error;
}

TEST(LexiconSourceTest, AnEntryWithPrefixesPluralsAndNotes) {
  auto e = parse("close\tv\tbe|csuk[intr=zár] ; be|zár");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->lemma, "close");
  EXPECT_EQ(e->pos, PartOfSpeech::verb);
  ASSERT_EQ(e->senses.size(), 2u);
  EXPECT_EQ(e->senses[0].prefix, "be");
  EXPECT_EQ(e->senses[0].word, "csuk");
  EXPECT_EQ(e->senses[0].note("intr"), "zár");
  EXPECT_EQ(e->senses[1].word, "zár");
  e = parse("horse\tn\tló[lovak]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].plural, "lovak");
  e = parse("leg\tn\tláb[lábak,3sg=lába]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("3sg"), "lába");
  // a prefix written apart keeps its space; a verb's sense for a thing as its subject
  e = parse("take part\tv\trészt |vesz[in=ban]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].prefix, "részt ");
  EXPECT_EQ(e->senses[0].word, "vesz");
  EXPECT_NE(whyNot("take part\tv\t |vesz").find("prefix"), std::string::npos);
  e = parse("work\tv\tdolgozik[thing=működik]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("thing"), "működik");
  e = parse("go out\tv\tki|megy[thing=ki|alszik]");
  ASSERT_TRUE(e) << "a thing's verb with its own prefix";
  EXPECT_EQ(e->senses[0].note("thing"), "ki|alszik");
  EXPECT_FALSE(parse("go out\tv\tki|megy[thing=ki|]")) << "a prefix without its verb";
  EXPECT_FALSE(parse("go out\tv\tki|megy[thing=|alszik]"));
  // what befalls a passive's subject, with its own prefix
  e = parse("injure\tv\tmeg|sebesít[pass=meg|sérül]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("pass"), "meg|sérül");
  EXPECT_FALSE(parse("injure\tv\tmeg|sebesít[pass=meg|]"));
  // ... and what befalls a thing there, with its own prefix too
  e = parse("stick\tv\tragad[pass=meg|reked,thingpass=be|ragad]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("thingpass"), "be|ragad");
  EXPECT_FALSE(parse("stick\tv\tragad[thingpass=be|]"));
  // the case of the one who feels what the verb says, a case name only
  e = parse("miss\tv\thiányzik[feels=nak]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("feels"), "nak");
  EXPECT_FALSE(parse("miss\tv\thiányzik[feels=nekem]"));
  // ... with a prefix written apart, its space kept ("benne van", "nincs benne")
  e = parse("include\tv\ttartalmaz[pass=benne |van]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("pass"), "benne |van");
  EXPECT_FALSE(parse("include\tv\ttartalmaz[pass=benne  |van]"));
  // a verb whose passive is the state it left
  e = parse("switch off\tv\tki|kapcsol[state]");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->senses[0].leavesState);
  EXPECT_FALSE(parse("off\tadv\tki[state]")) << "only a verb leaves a state";
  // the verb without an object, with the prefix of its finished change
  e = parse("close\tv\tbe|csuk[intr=be|zár]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("intr"), "be|zár");
  EXPECT_FALSE(parse("close\tv\tbe|csuk[intr=be|]"));
  e = parse("turn off\tv\tle|kapcsol");
  ASSERT_TRUE(e) << "a phrasal verb";
  e = parse("london\tn\tlondon[name,to=ba]");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->senses[0].name);
  e = parse("far\tadj\tmessze[van]");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->senses[0].keepsCopula);
  e = parse("at home\tadv\totthon");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->pos, PartOfSpeech::adverb);
  e = parse("a little\tadv\tegy kicsit");
  ASSERT_TRUE(e) << "a fixed Hungarian phrase";
}

TEST(LexiconSourceTest, TimesPeopleAndCapitalSenses) {
  auto e = parse("week\tn\thét[hetek,time=n]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].plural, "hetek") << "a flag-like note does not take the plural's place";
  EXPECT_EQ(e->senses[0].note("time"), "n");
  e = parse("old\tadj\trégi ; idős[person]");
  ASSERT_TRUE(e);
  EXPECT_FALSE(e->senses[0].person);
  EXPECT_TRUE(e->senses[1].person);
  e = parse("may\tn\tmájus[cap,time=ban]");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->senses[0].capital);
  e = parse("city\tn\tváros[városok,attr=városi]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("attr"), "városi");
  e = parse("eye\tn\tszem[szemek,pair]");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->senses[0].pair);
  EXPECT_EQ(e->senses[0].plural, "szemek");
  e = parse("read\tv\tolvas[perf=el]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("perf"), "el");
  e = parse("know\tv\ttud ; ismer[person]");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->senses[1].person);
  EXPECT_FALSE(parse("fast\tadv\tgyorsan[person]")) << "no adverb's sense is for people";
  EXPECT_FALSE(parse("go\tv\tmegy[pair]")) << "only nouns come in pairs";
  e = parse("talk\tn\tbeszélgetés ; tárgyalás[tárgyalások,pl]");
  ASSERT_TRUE(e);
  EXPECT_FALSE(e->senses[0].ofPlural);
  EXPECT_TRUE(e->senses[1].ofPlural);
  EXPECT_EQ(e->senses[1].plural, "tárgyalások") << "\"pl\" is no Hungarian plural";
  EXPECT_FALSE(parse("talk\tv\tbeszél[pl]")) << "only a noun has a plural's sense";
  EXPECT_NE(whyNot("week\tn\thét[time=ben]").find("bad value"), std::string::npos);
  e = parse("e-mail\tn\te-mail[front,3sg=e-mailje,pp=e-mailjei]");
  ASSERT_TRUE(e) << "a hyphenated sense's forms keep their hyphen";
  EXPECT_EQ(e->senses[0].note("pp"), "e-mailjei");
  EXPECT_NE(whyNot("e-mail\tn\te-mail[3sg=-mailje]").find("bad value"), std::string::npos);
  EXPECT_NE(whyNot("e-mail\tn\te-mail[3sg=e--mailje]").find("bad value"), std::string::npos);
  e = parse("take\tv\tvisz ; be|vesz[when=tablet/pill,obj=acc]");
  ASSERT_TRUE(e) << "the English nouns that choose a sense";
  EXPECT_EQ(e->senses[1].note("when"), "tablet/pill");
  EXPECT_EQ(e->senses[1].note("obj"), "acc");
  EXPECT_NE(whyNot("take\tv\tbe|vesz[when=tablet//pill]").find("bad value"), std::string::npos);
  EXPECT_NE(whyNot("take\tv\tbe|vesz[when=/tablet]").find("bad value"), std::string::npos);
  EXPECT_NE(whyNot("take\tv\tbe|vesz[when=Tablet]").find("bad value"), std::string::npos);
  EXPECT_NE(whyNot("take\tv\tbe|vesz[when=]").find("bad value"), std::string::npos);
  e = parse("bank\tn\tbank ; part[near=fishing/river]");
  ASSERT_TRUE(e) << "the English words around that choose a sense";
  EXPECT_EQ(e->senses[1].note("near"), "fishing/river");
  EXPECT_NE(whyNot("bank\tn\tpart[near=fishing//river]").find("bad value"), std::string::npos);
  EXPECT_NE(whyNot("bank\tn\tpart[near=Fishing]").find("bad value"), std::string::npos);
  e = parse("warn\tv\tfigyelmeztet[about=ra,that=ra]");
  ASSERT_TRUE(e) << "the case of the pronoun for a verb's clause";
  EXPECT_EQ(e->senses[0].note("that"), "ra");
  EXPECT_NE(whyNot("warn\tv\tfigyelmeztet[that=arra]").find("bad value"), std::string::npos);
}

TEST(LexiconSourceTest, UntilNamesTheCaseOfWhatAVerbPutsOffTo) {
  // "put off until next week": "jövő hétre halaszt"
  auto e = parse("put off\tv\tel|halaszt[until=ra]");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->senses[0].note("until"), "ra");
  EXPECT_NE(whyNot("put off\tv\tel|halaszt[until=hetre]"), "");
}

TEST(LexiconSourceTest, MalformedEntriesAreRejectedWithAReason) {
  EXPECT_NE(whyNot("house n ház").find("three fields"), std::string::npos);
  EXPECT_NE(whyNot("House\tn\tház").find("English lemma"), std::string::npos);
  EXPECT_NE(whyNot("house\tx\tház").find("part of speech"), std::string::npos);
  EXPECT_NE(whyNot("house\tn\tHáz").find("Hungarian word"), std::string::npos);
  EXPECT_NE(whyNot("house\tn\thouse!").find("Hungarian word"), std::string::npos);
  EXPECT_NE(whyNot("house\tn\tbe|ház").find("prefix"), std::string::npos);
  EXPECT_NE(whyNot("house\tn\tház[házak").find("']'"), std::string::npos);
  EXPECT_NE(whyNot("house\tn\tház[colour=kék]").find("unknown note"), std::string::npos);
  EXPECT_NE(whyNot("wait\tv\tvár[for=re]").find("bad value"), std::string::npos)
      << "cases are named in back harmony";
  EXPECT_NE(whyNot("house\tn\tház[back,front]").find("both"), std::string::npos);
  EXPECT_NE(whyNot("go\tv\ta;b;c;d;e;f;g;h;i").find("senses"), std::string::npos);
  EXPECT_NE(whyNot("house\tn\tház ; ").find("Hungarian word"), std::string::npos) << "an empty sense";
  EXPECT_NE(whyNot("house\tn\tháá\xC3").find("Hungarian word"), std::string::npos) << "cut UTF-8";
}

TEST(CoreLexiconTest, ReadsEntriesFormsAndCounts) {
  const CoreLexicon c = CoreLexicon::fromText(
      "LEXITON-CORE 1\n"
      "E\tbuy\tv\tvesz ; vásárol\n"
      "E\tclose\tadj\tközeli\n"
      "E\tclose\tv\tbe|csuk\n"
      "E\tturn off\tv\tle|kapcsol\n"
      "F\tbought\tbuy\tv\n"
      "W\tbuy\t3\t40\t0\t0\n");
  EXPECT_EQ(c.size(), 4u);
  ASSERT_NE(c.find("close", PartOfSpeech::verb), nullptr);
  EXPECT_EQ(c.find("close", PartOfSpeech::verb)->senses[0].word, "csuk");
  EXPECT_EQ(c.find("close", PartOfSpeech::noun), nullptr);
  EXPECT_EQ(c.entries("close").size(), 2u);
  ASSERT_EQ(c.irregular("bought").size(), 1u);
  EXPECT_EQ(c.irregular("bought")[0].lemma, "buy");
  ASSERT_NE(c.counts("buy"), nullptr);
  EXPECT_EQ(c.counts("buy")->of(PartOfSpeech::verb), 40u);
  EXPECT_TRUE(c.hasPhraseStarting("turn"));
  EXPECT_FALSE(c.hasPhraseStarting("buy"));
}

TEST(CoreLexiconTest, DamagedFilesNameTheirLine) {
  auto fails = [](const char* text) {
    try {
      (void)CoreLexicon::fromText(text);
    } catch (const CoreLexicon::cExc& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_NE(fails("").find("empty"), std::string::npos);
  EXPECT_NE(fails("LEXITON-CORE 2\n").find("not a compiled"), std::string::npos);
  EXPECT_NE(fails("LEXITON-CORE 1\nE\tbuy\tv\n").find("line 2"), std::string::npos);
  EXPECT_NE(fails("LEXITON-CORE 1\nF\tbought\tbuy\n").find("irregular"), std::string::npos);
  EXPECT_NE(fails("LEXITON-CORE 1\nW\tbuy\t1\t2\t3\tx\n").find("counts"), std::string::npos);
  EXPECT_NE(fails("LEXITON-CORE 1\nW\tbuy\t1\t2\t3\t99999999999\n").find("counts"), std::string::npos);
  EXPECT_NE(fails("LEXITON-CORE 1\nX\tbuy\n").find("unknown record"), std::string::npos);
}

// Every entry of the lexicon we ship is checked by lexc at build time; here it loads, holds
// several hundred entries, and answers for the words the translator leans on.
TEST(CoreLexiconTest, TheShippedLexiconLoads) {
  const CoreLexicon c = CoreLexicon::loadFile(kCoreLexiconFileName);
  EXPECT_GE(c.size(), 400u);
  ASSERT_NE(c.find("buy", PartOfSpeech::verb), nullptr);
  EXPECT_EQ(c.find("buy", PartOfSpeech::verb)->senses[0].word, "vesz");
  ASSERT_NE(c.find("close", PartOfSpeech::verb), nullptr);
  EXPECT_EQ(c.find("close", PartOfSpeech::verb)->senses[0].prefix, "be");
  EXPECT_EQ(c.find("key", PartOfSpeech::noun)->senses[0].word, "kulcs");
  EXPECT_FALSE(c.irregular("children").empty());
  EXPECT_NE(c.counts("run"), nullptr);
}

}  // namespace
}  // namespace lexiton::lexicon
